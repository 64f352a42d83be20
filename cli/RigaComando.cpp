#include "RigaComando.h"

#include "FlussoUscita.h"
#include "IdentitaApplicazione.h"
#include "Opzioni.h"
#include "Uscite.h"
#include "modVelmora.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The rows and messages of a table on their way out. They leave in blocks
// of a few KiB, one system call each: a call per row costs, on a pipe, as
// much as the calculation. The first case leaves at once, so a reader has it
// before the second is calculated; the rows before a message leave before it.
class Consegna {
public:
    Consegna(FlussoUscita &uscita, FlussoUscita &errori)
        : uscita(uscita)
        , errori(errori)
    {
    }

    // False when the output refused the bytes.
    bool Aggiungi(const QByteArray &riga, const QString &messaggio = QString())
    {
        righe += riga;
        if (!messaggio.isEmpty())
            messaggi += messaggio.toUtf8();
        if (++casi > 1 && righe.size() + messaggi.size() < Blocco)
            return true;
        return Invia();
    }

    bool Invia()
    {
        const bool scritte = uscita.Scrivi(righe);
        if (scritte)
            errori.Scrivi(messaggi);
        righe.resize(0);
        messaggi.resize(0);
        return scritte;
    }

private:
    static constexpr qsizetype Blocco = 16384;

    FlussoUscita &uscita;
    FlussoUscita &errori;
    QByteArray righe;
    QByteArray messaggi;
    qint64 casi = 0;
};

// Every span with every load, in that order, each calculated from the start
// on a record as the input window's load leaves it, each row on its way
// before the next case is calculated.
// False when a calculation stopped; the run ends early when the output
// refuses a row.
bool CalcolaCasi(const Opzioni::Richiesta &richiesta, FlussoUscita &uscita, FlussoUscita &errori)
{
    const bool tabella = richiesta.luci.Quanti() * richiesta.carichi.Quanti() > 1;
    const auto scrittore = Uscite::CreaScrittore(richiesta, tabella);
    RecordProgetto progetto;
    PreparaProgetto(progetto);
    DatiCalcolo dati;
    dati.copriferro = richiesta.copriferro;
    dati.sottoTravetto = richiesta.sottoTravetto;
    dati.intermedio = richiesta.intermedio;
    dati.campataSingola = richiesta.campataSingola;
    QStringList testi;
    Consegna consegna(uscita, errori);
    bool tuttiRiusciti = true;
    Uscite::Caso caso;
    const auto calcolaCaso = [&](const QString &luce, const QString &carico) {
        dati.luce = caso.luce = luce;
        dati.carico = carico;
        const std::optional<int> usato = Opzioni::CaricoUsato(carico);
        caso.carico = usato ? QString::number(*usato) : carico;
        caso.messaggio.clear();
        caso.riuscito = CalcolaDaCapo(progetto, dati, testi, caso.messaggio);
        if (caso.riuscito) {
            std::copy(testi.cbegin(), testi.cend(), caso.risultati.begin());
            return consegna.Aggiungi(scrittore->Riga(caso));
        }
        tuttiRiusciti = false;
        return consegna.Aggiungi(scrittore->Riga(caso), Uscite::NomeCaso(caso) +
                                                            QStringLiteral(": ") + caso.messaggio +
                                                            u'\n');
    };
    uscita.Scrivi(scrittore->Inizio()) && richiesta.luci.PerOgniValore([&](const QString &luce) {
        return richiesta.carichi.PerOgniValore(
            [&](const QString &carico) { return calcolaCaso(luce, carico); });
    }) &&
        consegna.Invia() && uscita.Scrivi(scrittore->Fine());
    return tuttiRiusciti;
}

// 0 done, 1 a calculation stopped, 2 a bad option; what the output could
// not take is for the caller to judge.
int EseguiRichiesta(const QStringList &argomenti, FlussoUscita &uscita, FlussoUscita &errori)
{
    Opzioni::Richiesta richiesta;
    try {
        richiesta = Opzioni::LeggiOpzioni(argomenti);
    } catch (const Opzioni::ErroreUso &errore) {
        errori.Scrivi((QStringLiteral("predimvelmora: ") + errore.testo +
                       QStringLiteral("\nUsare --help per l'elenco delle opzioni.\n"))
                          .toUtf8());
        return 2;
    }
    if (richiesta.aiuto) {
        uscita.Scrivi(Opzioni::TestoAiuto().toUtf8());
        return 0;
    }
    if (richiesta.versione) {
        uscita.Scrivi(
            (IdentitaApplicazione::Titolo + u' ' + IdentitaApplicazione::NumeroVersione() + u'\n')
                .toUtf8());
        return 0;
    }
    return CalcolaCasi(richiesta, uscita, errori) ? 0 : 1;
}

} // namespace

bool ChiedeRigaComando(int argc, char *argv[])
{
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    return Opzioni::ChiedeRigaComando(argomenti);
}

int EseguiRigaComando(int argc, char *argv[])
{
    PreparaDescrittoriStandard();
    // Qt warns on standard error when the user's locale is not installed or
    // not a UTF-8 one. Standard error carries the calculation's messages only,
    // and the output is UTF-8 whatever the locale, so that notice is dropped.
    const QtMessageHandler gestore =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QCoreApplication applicazione(argc, argv);
    qInstallMessageHandler(gestore);
    return EseguiComandi(QCoreApplication::arguments().mid(1), FlussoUscita::Uscita(),
                         FlussoUscita::Errori());
}

int EseguiComandi(const QStringList &argomenti, FlussoUscita &uscita, FlussoUscita &errori)
{
    const int stato = EseguiRichiesta(argomenti, uscita, errori);
    // A table is done when the system has taken every byte of it, the close
    // included: a script must not take a cut table for a whole one.
    if (uscita.Chiudi())
        return stato;
    errori.Scrivi((QStringLiteral("predimvelmora: l'uscita non è stata scritta tutta (") +
                   uscita.Motivo() + QStringLiteral(")\n"))
                      .toUtf8());
    return 3;
}
