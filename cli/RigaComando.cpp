#include "RigaComando.h"

#include "FinestreSenzaVideo.h"
#include "FlussoUscita.h"
#include "IdentitaApplicazione.h"
#include "Opzioni.h"
#include "Uscite.h"
#include "modVelmora.h"

#include <QCoreApplication>

namespace {

// The design record as the input window's load leaves it.
void PreparaProgetto()
{
    Progetto = RecordProgetto{};
    Progetto.SeparatoreDecimale = Numeri::SeparatoreDecimale();
    InizializzaTabelle();
    Progetto.SpessoreST = Numeri::TestoInIntero(VociInput::SottoTravettoIniziale);
    ImpostaValoriIniziali();
}

// Every span with every load, in that order, through the engine as the
// windows drive it, each row written before the next case is calculated and
// each stopped case's message with it. False when a calculation stopped;
// the run ends early when the output refuses a row.
bool CalcolaCasi(const Opzioni::Richiesta &richiesta, FlussoUscita &uscita, FlussoUscita &errori)
{
    const bool tabella = richiesta.luci.Quanti() * richiesta.carichi.Quanti() > 1;
    const auto scrittore = Uscite::CreaScrittore(richiesta, tabella);
    FinestreSenzaVideo finestre;
    finestre.copriferro = richiesta.copriferro;
    finestre.sottoTravetto = richiesta.sottoTravetto;
    finestre.intermedio = richiesta.intermedio;
    finestre.campataSingola = richiesta.campataSingola;
    bool tuttiRiusciti = true;
    Uscite::Caso caso;
    const auto calcolaCaso = [&](const QString &luce, const QString &carico) {
        finestre.luce = caso.luce = luce;
        finestre.carico = carico;
        const std::optional<int> usato = Opzioni::CaricoUsato(carico);
        caso.carico = usato ? QString::number(*usato) : carico;
        caso.riuscito = finestre.Calcola();
        caso.risultati = finestre.Risultati();
        caso.messaggio = finestre.Messaggio();
        if (!uscita.Scrivi(scrittore->Riga(caso)))
            return false;
        if (!caso.riuscito) {
            tuttiRiusciti = false;
            errori.Scrivi(
                (Uscite::NomeCaso(caso) + QStringLiteral(": ") + caso.messaggio + u'\n').toUtf8());
        }
        return true;
    };
    uscita.Scrivi(scrittore->Inizio()) && richiesta.luci.PerOgniValore([&](const QString &luce) {
        return richiesta.carichi.PerOgniValore(
            [&](const QString &carico) { return calcolaCaso(luce, carico); });
    }) &&
        uscita.Scrivi(scrittore->Fine());
    return tuttiRiusciti;
}

// 0 done, 1 a calculation stopped, 2 a bad option; what the output could
// not take is for the caller to judge.
int EseguiRichiesta(const QStringList &argomenti, FlussoUscita &uscita, FlussoUscita &errori)
{
    PreparaProgetto();
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
    OccupaDescrittoriChiusi();
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
