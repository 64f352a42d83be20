// The calculation driver: input check, result display and the chain of the two.

#include "modVelmora.h"

#include <cmath>

namespace {

Finestre *finestreCollegate = nullptr;

// A quotient this close to a whole number counts as whole.
constexpr double Tolleranza = 1e-9;

const QString Luce = QStringLiteral("txtLuceNettaSolaio");
const QString Carico = QStringLiteral("txtSovracAcc");

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

void CollegaFinestre(Finestre *finestre)
{
    finestreCollegate = finestre;
}

Finestre &FinestreCollegate()
{
    Q_ASSERT(finestreCollegate);
    return *finestreCollegate;
}

void ImpostaValoriIniziali()
{
    Progetto.HCappa = Intero(4);
    Progetto.TensioneAmmAcciaio = Intero(2600);
    Progetto.CoeffFreccia = Intero(5);
    Progetto.HTravettoMinimo = Intero(0);
}

void CalcolaSolaio()
{
    Finestre &f = FinestreCollegate();
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
    RecordProgetto &p = Progetto;
    Finestre &f = FinestreCollegate();
    try {
        const QString luce = f.TestoControllo(Luce);
        if (!LuceValida(luce)) {
            Messaggio = Messaggi::LuceNonImpostata;
            f.ImpostaFuoco(Luce);
            return false;
        }
        p.LuceCalcolo = Numeri::TestoInDouble(luce);

        const QString carico = f.TestoControllo(Carico);
        if (!CaricoValido(carico)) {
            Messaggio = Messaggi::SovraccaricoErrato;
            f.ImpostaFuoco(Carico);
            return false;
        }
        p.Sovraccarico = Numeri::TestoInIntero(carico);

        p.RapportoLuceAltezza =
            Intero(f.ValoreOpzione(QStringLiteral("optTipoSolaio(0)")) ? 25 : 30);
        p.HSolaio = AltezzaIniziale(p);
    } catch (const ErroreRuntime &errore) {
        Messaggio = errore.Testo();
        return false;
    }
    return DimensionaSolaio(Messaggio);
}

bool MostraRisultati(QString &Messaggio)
{
    using namespace Numeri;
    RecordProgetto &p = Progetto;
    Finestre &f = FinestreCollegate();
    const Intero minimoPrecedente = p.HTravettoMinimo;
    try {
        const QString spessore = f.TestoControllo(QStringLiteral("cmbSSTravetto"));
        if (!spessore.trimmed().isEmpty())
            p.SpessoreST = TestoInIntero(spessore);

        const auto scrivi = [&f](const char *nome, const QString &testo) {
            f.ScriviRisultato(QString::fromLatin1(nome), testo);
        };
        scrivi("txtHCappa", InteroInTesto(p.HCappa));
        scrivi("txtHTravetto", InteroInTesto(p.HTravetto));
        scrivi("txtSpesST", InteroInTesto(p.SpessoreST));
        scrivi("txtHTotSolaio", InteroInTesto(p.HSolaio + p.SpessoreST));
        scrivi("txtTond1", InteroInTesto(p.DiamTondino1));
        scrivi("txtTond2", InteroInTesto(p.DiamTondino2));
        scrivi("txtAcciaio", DoubleInTesto(Arrotonda(p.IncidenzaAcciaio, 2)));
        scrivi("txtPpSolaio", InteroInTesto(Intero::DaDouble(p.PesoProprio)));
        scrivi("txtCalcestruzzo", DoubleInTesto(Arrotonda(p.VolumeCalcestruzzo, 4)));
        scrivi("txtFrc1", DoubleInTesto(Arrotonda(p.Freccia, 2)));
        scrivi("txtFrc2", DoubleInTesto(Arrotonda(p.RapportoLuceFreccia, 2)));
        scrivi("txtHPanPol", InteroInTesto(p.HTravetto + p.SpessoreST));
        if (p.SpessoreST == Intero(0))
            scrivi("txtK", QStringLiteral("-"));
        else
            scrivi("txtK",
                   DoubleInTestoFisso(
                       Arrotonda(Trasmittanza(p.HTravetto + p.SpessoreST, p.SpessoreST), 3), 3));
    } catch (const ErroreRuntime &errore) {
        Messaggio = errore.Testo();
        return false;
    }
    p.HTravettoMinimo = minimoPrecedente == Intero(0) ? p.HTravetto : minimoPrecedente;
    return true;
}
