#pragma once

#include "shell/InsiemiPulsanti.h"
#include "shell/RegistroFinestre.h"
#include "shell/mdiVelmora.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QTest>
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

// The action of the toolbar button with that key; none where there is none.
inline QAction *AzioneBarra(const QMainWindow &principale, const QString &chiave)
{
    const auto *barra = principale.findChild<QToolBar *>(QStringLiteral("tlbMdi"));
    for (QAction *azione : barra ? barra->actions() : QList<QAction *>()) {
        const QWidget *pulsante = barra->widgetForAction(azione);
        if (pulsante && pulsante->objectName() == chiave)
            return azione;
    }
    return nullptr;
}

inline QAction *AzioneBarra(const QString &chiave)
{
    return Registro.Principale ? AzioneBarra(*Registro.Principale, chiave) : nullptr;
}

// The menu entry with that text, such as "&Calcolo Ferri"; none where there
// is none.
inline QAction *VoceMenu(const QMainWindow &principale, const QString &testo)
{
    for (const QMenu *menu : principale.menuBar()->findChildren<QMenu *>()) {
        for (QAction *voce : menu->actions()) {
            if (voce->text() == testo)
                return voce;
        }
    }
    return nullptr;
}

// The toolbar's buttons as they stand, in the form of Stati: "" without a
// toolbar, "?" for a button it lacks.
inline QString StatiBarra()
{
    QString stati;
    for (const QString &chiave : ChiaviPulsanti) {
        const QAction *pulsante = AzioneBarra(chiave);
        if (Barra())
            stati += !pulsante ? u'?' : pulsante->isEnabled() ? u'1' : u'0';
    }
    return stati;
}

// The toolbar button with that key clicked, or else the menu entry with that
// text chosen; false when neither is there.
inline bool Comanda(const QString &comando)
{
    QAction *pulsante = AzioneBarra(comando);
    QAction *voce = Registro.Principale ? VoceMenu(*Registro.Principale, comando) : nullptr;
    if (pulsante)
        QTest::mouseClick(Barra()->widgetForAction(pulsante), Qt::LeftButton);
    else if (voce)
        voce->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return pulsante || voce;
}

// A child window counts as visible when its frame in the workspace is.
inline bool Visibile(const QWidget *finestra)
{
    return finestra && finestra->parentWidget() && finestra->parentWidget()->isVisible();
}
