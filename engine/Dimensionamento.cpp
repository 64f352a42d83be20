// Sizing of one 60 cm strip (one joist and its share of the topping) by the
// allowable-stress method.

#include "modVelmora.h"

#include <cmath>

namespace {

constexpr double PiGreco = 3.14159265358979;
constexpr double PesoCalcestruzzo = 2500; // daN/m³
constexpr double PesoAcciaio = 7850;      // daN/m³
constexpr double PesoAggiunto = 10;       // daN/m² over the concrete
constexpr double LarghezzaStriscia = 0.6; // m, joist spacing
constexpr double ModuloCalcestruzzo = 290000;
constexpr double CoeffOmogeneizzazione = 7;
constexpr int AltezzaLimite = 36; // cm: raising stops here

// "Equality passes" in the moment check, with room for the last bit of a double.
constexpr double Tolleranza = 1e-9;

enum class Esito { Dimensionato, DaRialzare, Fallito };

// Concrete area of one strip (m²): the 13 × 5 and 14 × 3 parts of the joist,
// its 11 cm web over the remaining HT − 8 cm, and the topping over 60 cm.
double AreaCalcestruzzo(const RecordProgetto &p)
{
    return 0.13 * 0.05 + (Dividi(p.HTravetto, 100) - 0.05 - 0.03) * 0.11 + 0.14 * 0.03 +
           Dividi(LarghezzaStriscia * p.HCappa, 100);
}

void CalcolaPesiEMomento(RecordProgetto &p, const QString &copriferro, bool campataSingola)
{
    p.HTravetto = p.HSolaio - p.HCappa;
    p.DistanzaArmatura = copriferro.isEmpty() ? 2 : Finito(Numeri::TestoInDouble(copriferro) + 1);
    p.AltezzaUtile = Finito(p.HSolaio - p.DistanzaArmatura);
    p.BraccioCoppia = p.AltezzaUtile - 2;

    const double pesoCalcestruzzo =
        Dividi(AreaCalcestruzzo(p) * PesoCalcestruzzo, LarghezzaStriscia);
    p.PesoProprio = Numeri::Arrotonda(pesoCalcestruzzo, 2) + PesoAggiunto;
    p.CaricoTravetto = Numeri::Arrotonda((p.PesoProprio + p.Sovraccarico) * LarghezzaStriscia, 2);
    p.DivisoreMomento = Intero(campataSingola ? 8 : 12);
    p.MomentoFlettente =
        Dividi(Finito(p.LuceCalcolo * p.LuceCalcolo) * p.CaricoTravetto, p.DivisoreMomento);
}

// Index of the first table row whose effective depth reaches d, or -1 beyond the table.
int RigaTabella(const RecordProgetto &p)
{
    for (int i = 0; i < RigheTabelle; ++i) {
        if (p.TabAltezzaUtile[i] >= p.AltezzaUtile)
            return i;
    }
    return -1;
}

void CalcolaSezione(RecordProgetto &p)
{
    const double hc = p.HCappa;
    const double ht = p.HTravetto;
    const double d = p.AltezzaUtile;
    const double as = p.AreaAcciaioEff;

    p.IncidenzaAcciaio = Dividi(as, 10000) * Dividi(PesoAcciaio, LarghezzaStriscia);
    p.Xid = Dividi(hc * hc * 60 / 2 + (ht / 2 + hc) * (11 * ht) + CoeffOmogeneizzazione * as * d,
                   (60 * hc + 11 * ht) + CoeffOmogeneizzazione * as);
    const double x = p.Xid;
    p.InerziaIdeale =
        Finito(((60 * std::pow(x, 3) - 49 * std::pow(x - hc, 3)) + 11 * std::pow(ht + hc - x, 3)) *
                   (1.0 / 3) +
               std::pow(d - x, 2) * as * CoeffOmogeneizzazione);
    const double luceCm = Finito(p.LuceCalcolo * 100);
    p.Freccia =
        Dividi(Finito(std::pow(luceCm, 4)) * (p.CoeffFreccia / 384.0 * p.CaricoTravetto / 100),
               ModuloCalcestruzzo * p.InerziaIdeale);
    p.RapportoLuceFreccia = Dividi(luceCm, p.Freccia);
    p.VolumeCalcestruzzo = (p.PesoProprio - PesoAggiunto) / PesoCalcestruzzo;
}

// One level of the sizing at the current HSolaio. Fills the record up to the
// moment check and, when the section holds, to the end.
Esito DimensionaAltezzaCorrente(RecordProgetto &p, const QString &copriferro, bool campataSingola,
                                QString &Messaggio)
{
    CalcolaPesiEMomento(p, copriferro, campataSingola);

    const int riga = RigaTabella(p);
    if (riga < 0) {
        Messaggio = Messaggi::AltezzaUtileEccessiva;
        return Esito::Fallito;
    }
    p.MomentoResistente = p.TabMomentoResistente[riga];
    if (p.MomentoFlettente * 100 - p.MomentoResistente > Tolleranza)
        return Esito::DaRialzare;

    p.AreaAcciaioNec = Dividi(p.MomentoFlettente * 100, p.BraccioCoppia * p.TensioneAmmAcciaio);
    p.AreaAcciaioMin = 0.6 * 0.07 * p.HSolaio;
    if (p.AreaAcciaioMin > p.AreaAcciaioNec)
        p.AreaAcciaioNec = p.AreaAcciaioMin;

    if (!AreaTondino(p.AreaAcciaioNec, Intero(8), Intero(20), p.DiamTondino1, p.DiamTondino2,
                     p.AreaAcciaioEff)) {
        Messaggio = Messaggi::TondiniInsufficienti;
        return Esito::Fallito;
    }
    CalcolaSezione(p);
    return Esito::Dimensionato;
}

} // namespace

bool DimensionaAltezza(RecordProgetto &p, const QString &copriferro, bool campataSingola,
                       QString &Messaggio)
{
    try {
        // Raising the height re-runs every step, so on success every field
        // describes the final height.
        for (;;) {
            switch (DimensionaAltezzaCorrente(p, copriferro, campataSingola, Messaggio)) {
            case Esito::Dimensionato:
                return true;
            case Esito::Fallito:
                return false;
            case Esito::DaRialzare:
                p.HSolaio = p.HSolaio + Intero(1);
                if (p.HSolaio >= Intero(AltezzaLimite)) {
                    Messaggio = Messaggi::AltezzaMassimaRaggiunta;
                    return false;
                }
            }
        }
    } catch (const ErroreRuntime &errore) {
        Messaggio = errore.Testo();
        return false;
    }
}

bool AreaTondino(double AreaNecessaria, Intero DiamMin, Intero DiamMax, Intero &Diam1,
                 Intero &Diam2, double &AreaEffettiva)
{
    // The radii grow by repeated addition of 0.1 cm: the first bar grows
    // first, then the second catches up. 20 mm comes out just below 20, so
    // 20 + 20 is still tried and 22 mm stops the search.
    double r1 = DiamMin / 20.0;
    double r2 = r1;
    for (bool primoPasso = true;; primoPasso = false) {
        if (!primoPasso) {
            if (r1 == r2)
                r1 += 0.1;
            else
                r2 += 0.1;
        }
        Diam1 = Intero::DaDouble(r1 * 20);
        Diam2 = Intero::DaDouble(r2 * 20);
        if (r1 * 20 > DiamMax)
            return false;
        AreaEffettiva = (r2 * PiGreco) * r2 + (r1 * PiGreco) * r1;
        if (AreaNecessaria < AreaEffettiva)
            return true;
    }
}
