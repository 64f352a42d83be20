#include "RigaComando.h"

#include "FinestreSenzaVideo.h"
#include "IdentitaApplicazione.h"
#include "Opzioni.h"
#include "Uscite.h"
#include "modVelmora.h"

#include <QCoreApplication>

#include <cstdio>

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
// windows drive it. True when no calculation stopped.
bool CalcolaCasi(const Opzioni::Richiesta &richiesta, QByteArray &uscita, QByteArray &errori)
{
    const bool tabella = richiesta.luci.size() * richiesta.carichi.size() > 1;
    const auto scrittore = Uscite::CreaScrittore(richiesta, tabella, uscita);
    FinestreSenzaVideo finestre;
    finestre.copriferro = richiesta.copriferro;
    finestre.sottoTravetto = richiesta.sottoTravetto;
    finestre.intermedio = richiesta.intermedio;
    finestre.campataSingola = richiesta.campataSingola;
    bool tuttiRiusciti = true;
    Uscite::Caso caso;
    for (const QString &luce : richiesta.luci) {
        for (const QString &carico : richiesta.carichi) {
            finestre.luce = caso.luce = luce;
            finestre.carico = caso.carico = carico;
            caso.riuscito = finestre.Calcola();
            caso.risultati = finestre.Risultati();
            caso.messaggio = finestre.Messaggio();
            scrittore->Scrivi(caso);
            if (!caso.riuscito) {
                tuttiRiusciti = false;
                errori += ((tabella ? Uscite::NomeCaso(caso) + QStringLiteral(": ") : QString()) +
                           caso.messaggio + u'\n')
                              .toUtf8();
            }
        }
    }
    scrittore->Chiudi();
    return tuttiRiusciti;
}

void Scrivi(const QByteArray &testo, FILE *flusso)
{
    if (!testo.isEmpty())
        std::fwrite(testo.constData(), 1, std::size_t(testo.size()), flusso);
    std::fflush(flusso);
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
    // Qt warns on standard error when the user's locale is not installed or
    // not a UTF-8 one. Standard error carries the calculation's messages only,
    // and the output is UTF-8 whatever the locale, so that notice is dropped.
    const QtMessageHandler gestore =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QCoreApplication applicazione(argc, argv);
    qInstallMessageHandler(gestore);

    QByteArray uscita;
    QByteArray errori;
    const int stato = EseguiComandi(QCoreApplication::arguments().mid(1), uscita, errori);
    Scrivi(uscita, stdout);
    Scrivi(errori, stderr);
    return stato;
}

int EseguiComandi(const QStringList &argomenti, QByteArray &uscita, QByteArray &errori)
{
    PreparaProgetto();
    Opzioni::Richiesta richiesta;
    try {
        richiesta = Opzioni::LeggiOpzioni(argomenti);
    } catch (const Opzioni::ErroreUso &errore) {
        errori += (QStringLiteral("predimvelmora: ") + errore.testo +
                   QStringLiteral("\nUsare --help per l'elenco delle opzioni.\n"))
                      .toUtf8();
        return 2;
    }
    if (richiesta.aiuto) {
        uscita += Opzioni::TestoAiuto().toUtf8();
        return 0;
    }
    if (richiesta.versione) {
        uscita +=
            (IdentitaApplicazione::Titolo + u' ' + IdentitaApplicazione::NumeroVersione() + u'\n')
                .toUtf8();
        return 0;
    }
    return CalcolaCasi(richiesta, uscita, errori) ? 0 : 1;
}
