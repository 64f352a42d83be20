#pragma once

#include "mdiVelmora.h"

#include <QPointer>
#include <QWidget>

// The windows of the process, one guarded pointer each: a pointer is null
// while its window is not loaded and turns null by itself when the window is
// destroyed, so there is never more than one of each.
class RegistroFinestre {
public:
    // The main window, created, sized, centred and shown on first use.
    mdiVelmora *CaricaPrincipale();

    QPointer<mdiVelmora> Principale;

    // Child windows, in the main window's workspace.
    QPointer<QWidget> CalFerSol; // frmCalFerSol, input
    QPointer<QWidget> OutPut2;   // frmOutPut2, results
    QPointer<QWidget> Modifica;  // frmModifica, joist height revision

    // Windows of their own.
    QPointer<QWidget> Splash; // frmSplash, start-up wizard
    QPointer<QWidget> About;  // frmAbout
};

// The window registry of this process.
extern RegistroFinestre Registro;
