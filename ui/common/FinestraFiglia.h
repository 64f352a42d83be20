#pragma once

#include <QMdiSubWindow>
#include <QWidget>

// A window of the program lives in a frame of the main window's workspace;
// on its own (as the tests build some) it is its own window.

// Its frame in the workspace, if it has one.
inline QMdiSubWindow *CorniceDi(QWidget *finestra)
{
    return finestra ? qobject_cast<QMdiSubWindow *>(finestra->parentWidget()) : nullptr;
}

// Closes the window through its frame, so that the workspace lets the frame
// go with it.
inline void ChiudiFinestraFiglia(QWidget *finestra)
{
    if (QMdiSubWindow *cornice = CorniceDi(finestra))
        cornice->close();
    else if (finestra)
        finestra->close();
}
