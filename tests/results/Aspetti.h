#pragma once

// Checks of a window's look shared by the tests of the result window and the
// revision dialog: colours, and a layout where nothing overlaps or is cut off.

#include "common/AreaDisegno.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <QWidget>

inline QColor ColoreTesto(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

// How a widget is named in a failure report.
inline QString Nome(const QWidget *widget)
{
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    if (auto *etichetta = qobject_cast<const QLabel *>(widget))
        return QStringLiteral("\"%1\"").arg(etichetta->text());
    return QString::fromLatin1(widget->metaObject()->className());
}

// The controls placed in a container, without the popups of its lists.
inline QList<QWidget *> Controlli(const QWidget *contenitore)
{
    QList<QWidget *> controlli;
    for (QWidget *figlio : contenitore->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!figlio->isWindow())
            controlli << figlio;
    }
    return controlli;
}

// The controls inside a container of the window's own (a drawing area) are
// laid out too; those inside a list or a field are Qt's business.
inline QList<QWidget *> Contenitori(const QWidget *contenitore)
{
    QList<QWidget *> contenitori;
    for (QWidget *figlio : Controlli(contenitore)) {
        if (qobject_cast<AreaDisegno *>(figlio))
            contenitori << figlio;
    }
    return contenitori;
}

// Pairs of sibling controls that cover each other, anywhere in the window.
inline QStringList Sovrapposizioni(const QWidget *contenitore)
{
    QStringList coppie;
    const QList<QWidget *> figli = Controlli(contenitore);
    for (qsizetype i = 0; i < figli.size(); ++i) {
        for (qsizetype j = i + 1; j < figli.size(); ++j) {
            if (figli[i]->geometry().intersects(figli[j]->geometry()))
                coppie << Nome(figli[i]) + QStringLiteral(" / ") + Nome(figli[j]);
        }
    }
    for (QWidget *interno : Contenitori(contenitore))
        coppie << Sovrapposizioni(interno);
    return coppie;
}

// Widgets that reach beyond their container, anywhere in the window.
inline QStringList Sporgenze(const QWidget *contenitore)
{
    QStringList fuori;
    for (QWidget *figlio : Controlli(contenitore)) {
        if (!contenitore->rect().contains(figlio->geometry()))
            fuori << Nome(figlio);
    }
    for (QWidget *interno : Contenitori(contenitore))
        fuori << Sporgenze(interno);
    return fuori;
}

// Height of a label's text laid out in its width, wrapped if the label wraps.
inline int AltezzaTesto(const QLabel *etichetta)
{
    const QFontMetrics misure(etichetta->font());
    const int a = etichetta->wordWrap() ? int(Qt::TextWordWrap) : 0;
    return misure.boundingRect(QRect(0, 0, etichetta->width(), 10000), a, etichetta->text())
        .height();
}

// Labels and buttons whose text does not fit in them.
inline QStringList TestiTagliati(const QWidget *finestra)
{
    QStringList tagliati;
    for (QLabel *etichetta : finestra->findChildren<QLabel *>()) {
        const QFontMetrics misure(etichetta->font());
        const QSize spazio = etichetta->contentsRect().size();
        const bool largo =
            etichetta->wordWrap()
                ? true
                : misure.boundingRect(QRect(), 0, etichetta->text()).width() <= spazio.width();
        if (!largo || AltezzaTesto(etichetta) > spazio.height())
            tagliati << Nome(etichetta);
    }
    for (QAbstractButton *pulsante : finestra->findChildren<QAbstractButton *>()) {
        const QSize chiesto = pulsante->sizeHint();
        if (chiesto.width() > pulsante->width() || chiesto.height() > pulsante->height())
            tagliati << Nome(pulsante);
    }
    return tagliati;
}

// The layouts are measured for Arial and Arial Narrow, or their metric twins.
inline bool CaratteriMetrici()
{
    const auto presente = [](const char *famiglia, const char *gemello) {
        const QString trovata = QFontInfo(QFont(QString::fromLatin1(famiglia))).family();
        return trovata == QLatin1String(famiglia) || trovata == QLatin1String(gemello);
    };
    return presente("Arial", "Liberation Sans") &&
           presente("Arial Narrow", "Liberation Sans Narrow");
}
