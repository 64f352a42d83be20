// The calculation driver: input check, result display and the chain of the
// two, on values; and the windows' procedures that read and write them.

#include "modVelmora.h"

#include <cmath>

namespace {

Finestre *finestreCollegate = nullptr;

// A quotient this close to a whole number counts as whole.
constexpr double Tolleranza = 1e-9;

// HSolaio from the span: LC × 100 / ratio rounded up to the next whole
// centimetre, never below the topping plus 13 cm.
Intero AltezzaIniziale(const RecordProgetto &p)
{
    const double quoziente = Dividi(p.LuceCalcolo * 100, p.RapportoLuceAltezza);
    Intero altezza = Intero::DaDouble(quoziente);
    if (quoziente - altezza > Tolleranza)
        altezza = altezza + Intero(1);
    const Intero minima = p.HCappa + Intero(13);
    return altezza < minima ? minima : altezza;
}

// A span must be a number greater than zero: zero would divide by zero in the
// span/deflection ratio and a negative span gives a meaningless result.
bool LuceValida(const QString &testo)
{
    return Numeri::EUnNumero(testo) && Numeri::TestoInDouble(testo) > 0;
}

bool CaricoValido(const QString &testo)
{
    return Numeri::EUnNumero(testo) && Numeri::TestoInDouble(testo) >= 0;
}

// Transmittance of the polystyrene alone: two parallel paths across the
// 0.6 m strip, 0.47 m of panel (T cm thick) and 0.13 m under the joist (S cm).
double Trasmittanza(Intero spessorePannello, Intero spessoreSottoTravetto)
{
    return Dividi(
        (Dividi(0.035, spessorePannello) * 0.47 + Dividi(0.035, spessoreSottoTravetto) * 0.13) *
            100,
        0.6);
}

} // namespace

void PreparaProgetto(RecordProgetto &p)
{
    InizializzaTabelle(p);
    p.SpessoreST = Numeri::TestoInIntero(VociInput::SottoTravettoIniziale);
    p.HCappa = Intero(4);
    p.TensioneAmmAcciaio = Intero(2600);
    p.CoeffFreccia = Intero(5);
    p.HTravettoMinimo = Intero(0);
}

bool VerificaDati(RecordProgetto &p, const QString &luce, const QString &carico, bool intermedio,
                  QString &Messaggio)
{
    try {
        if (!LuceValida(luce)) {
            Messaggio = Messaggi::LuceNonImpostata;
            return false;
        }
        p.LuceCalcolo = Numeri::TestoInDouble(luce);
        if (!CaricoValido(carico)) {
            Messaggio = Messaggi::SovraccaricoErrato;
            return false;
        }
        p.Sovraccarico = Numeri::TestoInIntero(carico);
        p.RapportoLuceAltezza = Intero(intermedio ? 25 : 30);
        p.HSolaio = AltezzaIniziale(p);
    } catch (const ErroreRuntime &errore) {
        Messaggio = errore.Testo();
        return false;
    }
    return true;
}

bool CompilaRisultati(RecordProgetto &p, const QString &sottoTravetto, QStringList &testi,
                      QString &Messaggio)
{
    using namespace Numeri;
    testi.clear();
    try {
        if (!sottoTravetto.trimmed().isEmpty())
            p.SpessoreST = TestoInIntero(sottoTravetto);
        testi << InteroInTesto(p.HCappa);
        testi << InteroInTesto(p.HTravetto);
        testi << InteroInTesto(p.SpessoreST);
        testi << InteroInTesto(p.HSolaio + p.SpessoreST);
        testi << InteroInTesto(p.DiamTondino1);
        testi << InteroInTesto(p.DiamTondino2);
        testi << DoubleInTesto(Arrotonda(p.IncidenzaAcciaio, 2));
        testi << InteroInTesto(Intero::DaDouble(p.PesoProprio));
        testi << DoubleInTesto(Arrotonda(p.VolumeCalcestruzzo, 4));
        testi << DoubleInTesto(Arrotonda(p.Freccia, 2));
        testi << DoubleInTesto(Arrotonda(p.RapportoLuceFreccia, 2));
        testi << InteroInTesto(p.HTravetto + p.SpessoreST);
        if (p.SpessoreST == Intero(0))
            testi << QStringLiteral("-");
        else
            testi << DoubleInTestoFisso(
                Arrotonda(Trasmittanza(p.HTravetto + p.SpessoreST, p.SpessoreST), 3), 3);
    } catch (const ErroreRuntime &errore) {
        Messaggio = errore.Testo();
        return false;
    }
    if (p.HTravettoMinimo == Intero(0))
        p.HTravettoMinimo = p.HTravetto;
    return true;
}

bool CalcolaDaCapo(RecordProgetto &p, const DatiCalcolo &dati, QStringList &testi,
                   QString &Messaggio)
{
    testi.clear();
    p.HTravettoMinimo = Intero(0);
    return VerificaDati(p, dati.luce, dati.carico, dati.intermedio, Messaggio) &&
           DimensionaAltezza(p, dati.copriferro, dati.campataSingola, Messaggio) &&
           CompilaRisultati(p, dati.sottoTravetto, testi, Messaggio);
}

void CollegaFinestre(Finestre *finestre)
{
    finestreCollegate = finestre;
}

Finestre &FinestreCollegate()
{
    Q_ASSERT(finestreCollegate);
    return *finestreCollegate;
}

void CalcolaSolaio()
{
    Finestre &f = FinestreCollegate();
    Progetto.HTravettoMinimo = Intero(0);
    QString Messaggio;
    if (ControllaInput(Messaggio) && MostraRisultati(Messaggio)) {
        f.NascondiInput();
        f.MostraFinestraRisultati();
        return;
    }
    f.MostraAvviso(Messaggio, Messaggi::TitoloCalcolo);
}

bool ControllaInput(QString &Messaggio)
{
    Finestre &f = FinestreCollegate();
    const QString luce = f.TestoControllo(Controlli::Luce);
    const QString carico = f.TestoControllo(Controlli::Carico);
    const bool intermedio = f.ValoreOpzione(Controlli::Intermedio);
    if (!VerificaDati(Progetto, luce, carico, intermedio, Messaggio)) {
        if (Messaggio == Messaggi::LuceNonImpostata)
            f.ImpostaFuoco(Controlli::Luce);
        else if (Messaggio == Messaggi::SovraccaricoErrato)
            f.ImpostaFuoco(Controlli::Carico);
        return false;
    }
    return DimensionaSolaio(Messaggio);
}

bool DimensionaSolaio(QString &Messaggio)
{
    Finestre &f = FinestreCollegate();
    return DimensionaAltezza(Progetto, f.TestoControllo(Controlli::Copriferro),
                             f.ValoreOpzione(Controlli::CampataSingola), Messaggio);
}

bool MostraRisultati(QString &Messaggio)
{
    Finestre &f = FinestreCollegate();
    QStringList testi;
    const bool riuscito =
        CompilaRisultati(Progetto, f.TestoControllo(Controlli::SottoTravetto), testi, Messaggio);
    for (qsizetype i = 0; i < testi.size(); ++i)
        f.ScriviRisultato(CaselleRisultato[i], testi[i]);
    return riuscito;
}
