#pragma once

// The sizing engine: the design record, the calculation driver with its input
// check and result display, and the slab sizing. QtCore only.

#include "ErroreRuntime.h"
#include "Finestre.h"
#include "Intero.h"
#include "Numeri.h"
#include "RecordProgetto.h"

#include <QString>
#include <QStringList>

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

// The result window's text boxes, in the order MostraRisultati writes them.
inline const QStringList CaselleRisultato = {QStringLiteral("txtHCappa"),
                                             QStringLiteral("txtHTravetto"),
                                             QStringLiteral("txtSpesST"),
                                             QStringLiteral("txtHTotSolaio"),
                                             QStringLiteral("txtTond1"),
                                             QStringLiteral("txtTond2"),
                                             QStringLiteral("txtAcciaio"),
                                             QStringLiteral("txtPpSolaio"),
                                             QStringLiteral("txtCalcestruzzo"),
                                             QStringLiteral("txtFrc1"),
                                             QStringLiteral("txtFrc2"),
                                             QStringLiteral("txtHPanPol"),
                                             QStringLiteral("txtK")};

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
