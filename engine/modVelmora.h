#pragma once

// The sizing engine: the design record, the calculation driver with its input
// check and result display, and the slab sizing. QtCore only.

#include "ErroreRuntime.h"
#include "Finestre.h"
#include "Intero.h"
#include "Numeri.h"
#include "RecordProgetto.h"
#include "VociInput.h"

#include <QString>
#include <QStringList>

#include <array>

// Fixed failure texts, word for word as the user sees them.
namespace Messaggi {
inline const QString LuceNonImpostata =
    QStringLiteral("Attenzione, Luce Calcolo Solaio non impostata!");
inline const QString SovraccaricoErrato = QStringLiteral("Attenzione, Valore Sovraccarico Errato!");
inline const QString AltezzaUtileEccessiva = QStringLiteral("Sovraccarico e/o Luce Eccessiva!");
inline const QString AltezzaMassimaRaggiunta = QStringLiteral("Sovraccarico e/o Luce Eccessivi!");
inline const QString TondiniInsufficienti = QStringLiteral("Sovraccarico e/o Luce Eccessivia!");
inline const QString TitoloCalcolo = QStringLiteral("Calcolo Solaio");
} // namespace Messaggi

// A text box of the result window with the caption and unit the window shows
// beside it. The two bar diameters share the caption "Acciaio"; each has its
// small mark before its box.
struct DescrizioneRisultato {
    QString casella;
    QString didascalia;
    QString contrassegno; // "ø'" and "ø''" for the two bars, otherwise empty
    QString unita;        // empty: the figure has no unit
};

// The result window's text boxes, in the order MostraRisultati writes them.
inline const std::array<DescrizioneRisultato, 13> DescrizioniRisultato = {{
    {QStringLiteral("txtHCappa"), QStringLiteral("Altezza Cappa (HC)"), {}, QStringLiteral("cm")},
    {QStringLiteral("txtHTravetto"),
     QStringLiteral("Altezza Travetto (HT)"),
     {},
     QStringLiteral("cm")},
    {QStringLiteral("txtSpesST"),
     QStringLiteral("Spessore Sotto Travetto (SS)"),
     {},
     QStringLiteral("cm")},
    {QStringLiteral("txtHTotSolaio"),
     QStringLiteral("Altezza Totale Solaio (HS)"),
     {},
     QStringLiteral("cm")},
    {QStringLiteral("txtTond1"), QStringLiteral("Acciaio"), QStringLiteral("ø'"),
     QStringLiteral("mm")},
    {QStringLiteral("txtTond2"), QStringLiteral("Acciaio"), QStringLiteral("ø''"),
     QStringLiteral("mm")},
    {QStringLiteral("txtAcciaio"),
     QStringLiteral("Incidenza Acciaio a meno della rete elettrosaldata prevista da normativa"),
     {},
     QStringLiteral("daN/mq")},
    {QStringLiteral("txtPpSolaio"),
     QStringLiteral("Peso Proprio Solaio"),
     {},
     QStringLiteral("daN/mq")},
    {QStringLiteral("txtCalcestruzzo"),
     QStringLiteral("Calcestruzzo"),
     {},
     QStringLiteral("mc/mq")},
    {QStringLiteral("txtFrc1"),
     QStringLiteral("Freccia Elastica a Sezione Interamente Reagente"),
     {},
     QStringLiteral("cm")},
    {QStringLiteral("txtFrc2"), QStringLiteral("Luce/Freccia"), {}, {}},
    {QStringLiteral("txtHPanPol"),
     QStringLiteral("Alt.za Pannello (FeltraNova)"),
     {},
     QStringLiteral("cm")},
    {QStringLiteral("txtK"),
     QStringLiteral("Trasmittanza termica K"),
     {},
     QStringLiteral("W / (mq x °C) ")},
}};

// The same boxes' names, in the same order.
inline const QStringList CaselleRisultato = [] {
    QStringList nomi;
    for (const DescrizioneRisultato &risultato : DescrizioniRisultato)
        nomi << risultato.casella;
    return nomi;
}();

// The description of a box of the table above, found by its name.
inline const DescrizioneRisultato &DescrizioneCasella(const QString &casella)
{
    const qsizetype indice = CaselleRisultato.indexOf(casella);
    Q_ASSERT(indice >= 0);
    return DescrizioniRisultato[std::size_t(indice)];
}

// The inputs of one calculation, as the input window's controls hold them.
struct DatiCalcolo {
    QString luce, carico, copriferro, sottoTravetto;
    bool intermedio = true;
    bool campataSingola = true;
};

// The core: values in, the design record's results or the failure text out.
// Each works on the record it is given; false with Messaggio set at the first
// failure, the record then keeps what the step had reached.

// The fields the input window's load sets: tables, fixed settings and the
// polystyrene thickness its list starts with.
void PreparaProgetto(RecordProgetto &p);

// The span, the load and the floor type into the record, and the starting height.
bool VerificaDati(RecordProgetto &p, const QString &luce, const QString &carico, bool intermedio,
                  QString &Messaggio);

// The sizing from the record's HSolaio, raised until the section holds.
bool DimensionaAltezza(RecordProgetto &p, const QString &copriferro, bool campataSingola,
                       QString &Messaggio);

// The result window's texts, in the order of CaselleRisultato. On a failure
// testi holds those made before it.
bool CompilaRisultati(RecordProgetto &p, const QString &sottoTravetto, QStringList &testi,
                      QString &Messaggio);

// One calculation from the start, as Calcola runs it.
bool CalcolaDaCapo(RecordProgetto &p, const DatiCalcolo &dati, QStringList &testi,
                   QString &Messaggio);

// The procedures of the windows, on top of the core: they read the input
// window's controls and write the result window through the Finestre
// connected, on the design record Progetto.
void CollegaFinestre(Finestre *finestre);
Finestre &FinestreCollegate();

// One calculation from the start: check, sizing, results; swaps the input
// window for the result window, or shows the failure in a message box.
void CalcolaSolaio();

bool ControllaInput(QString &Messaggio);
bool DimensionaSolaio(QString &Messaggio);
bool MostraRisultati(QString &Messaggio);

// Chooses two bars, diameters DiamMin..DiamMax in mm, whose combined area first
// exceeds AreaNecessaria (cm²).
bool AreaTondino(double AreaNecessaria, Intero DiamMin, Intero DiamMax, Intero &Diam1,
                 Intero &Diam2, double &AreaEffettiva);
