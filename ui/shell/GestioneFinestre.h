#pragma once

class QWidget;
class frmAbout;
class frmCalFerSol;
class frmModifica;
class frmOutPut2;
class frmSplash;

// Loading, unloading and showing the child windows, and how they meet the
// toolbar and the engine. A window is loaded on first use, at most one of
// each, and destroyed when unloaded. An unloaded window leaves the registry at
// once, although Qt deletes it a moment later, so the next use loads a new one.

// The windows if loaded, otherwise null.
frmCalFerSol *CalFerSolCaricata();
frmOutPut2 *OutPut2Caricata();
frmModifica *ModificaCaricata();

// Load the window unless it is loaded (the main window comes with the first
// one) and return it. Loading shows a child window.
frmCalFerSol *CaricaCalFerSol();
frmOutPut2 *CaricaOutPut2();
frmModifica *CaricaModifica();

// The start-up wizard and the about box, windows of their own: shown
// without blocking, or brought to the front when already open.
frmSplash *MostraSplash();
frmAbout *MostraAbout();

// Closes the child window that holds the given window: its unload runs.
void ScaricaFinestra(QWidget *finestra);
// Shows a loaded child window, restored if it was minimised, and makes it
// the active one.
void MostraFinestra(QWidget *finestra);

// Unloads the given window and shows the input window again.
void TornaIndietro(QWidget *finestra);
// Opens the revision dialog without blocking, or brings it to the front.
void ApriModifica();
// Resets the input fields to their load-time texts; the options stay.
void PulisciInput();
// Both Calcola commands: a fresh lower bound for revisions, then the calculation.
void ComandoCalcola();

// Lets the engine read the input window and write the result window.
void CollegaMotoreAlleFinestre();
