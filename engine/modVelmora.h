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

// Connects the engine to the windows it reads and writes (the shell's window
// registry in the program, a fake in the tests). Must be set before a calculation.
void CollegaFinestre(Finestre *finestre);
Finestre &FinestreCollegate();

// The fixed settings the input window writes when it loads.
void ImpostaValoriIniziali();

// One calculation: check, sizing, results; swaps the input window for the
// result window, or shows the failure in a message box.
void CalcolaSolaio();

bool ControllaInput(QString &Messaggio);
bool DimensionaSolaio(QString &Messaggio);
bool MostraRisultati(QString &Messaggio);

// Chooses two bars, diameters DiamMin..DiamMax in mm, whose combined area first
// exceeds AreaNecessaria (cm²).
bool AreaTondino(double AreaNecessaria, Intero DiamMin, Intero DiamMax, Intero &Diam1,
                 Intero &Diam2, double &AreaEffettiva);
