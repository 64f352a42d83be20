#pragma once

#include "shell/InsiemiPulsanti.h"
#include "shell/RegistroFinestre.h"
#include "shell/mdiVelmora.h"

#include <QAction>
#include <QString>
#include <QToolBar>
#include <QWidget>

// What the tests that drive the whole program read of its state: the
// toolbar's enabled buttons and which child windows are on view.

// A button set as a string of nine 0/1, in the order of the toolbar's keys.
inline QString Stati(const InsiemePulsanti &insieme)
{
    QString stati;
    for (bool acceso : insieme)
        stati += acceso ? u'1' : u'0';
    return stati;
}

// The main window's toolbar; none while the main window is not loaded.
inline QToolBar *Barra()
{
    return Registro.Principale
               ? Registro.Principale->findChild<QToolBar *>(QStringLiteral("tlbMdi"))
               : nullptr;
}

// The toolbar's buttons as they stand, in the form of Stati: "" without a
// toolbar, "?" for a button it lacks.
inline QString StatiBarra()
{
    QString stati;
    for (const QString &chiave : ChiaviPulsanti) {
        const QAction *pulsante = Barra() ? Barra()->findChild<QAction *>(chiave) : nullptr;
        if (Barra())
            stati += !pulsante ? u'?' : pulsante->isEnabled() ? u'1' : u'0';
    }
    return stati;
}

// A child window counts as visible when its frame in the workspace is.
inline bool Visibile(const QWidget *finestra)
{
    return finestra && finestra->parentWidget() && finestra->parentWidget()->isVisible();
}
