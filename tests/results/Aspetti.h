#pragma once

// The layout check shared by the tests of the result window and the revision
// dialog: no two controls overlap, none reaches out of its container, no text
// is cut off.

#include "common/AreaDisegno.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>

inline QColor ColoreTesto(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
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

inline QString Nome(const QWidget *w)
{
    auto *etichetta = qobject_cast<const QLabel *>(w);
    return etichetta ? QStringLiteral("\"%1\"").arg(etichetta->text()) : w->objectName();
}

// Height of a label's text laid out in its width, wrapped if the label wraps.
inline int AltezzaTesto(const QLabel *etichetta)
{
    const int modo = etichetta->wordWrap() ? int(Qt::TextWordWrap) : 0;
    return QFontMetrics(etichetta->font())
        .boundingRect(QRect(0, 0, etichetta->width(), 10000), modo, etichetta->text())
        .height();
}

inline bool TestoTagliato(const QWidget *w)
{
    if (auto *pulsante = qobject_cast<const QAbstractButton *>(w)) {
        const QSize chiesto = pulsante->sizeHint();
        return chiesto.width() > w->width() || chiesto.height() > w->height();
    }
    auto *etichetta = qobject_cast<const QLabel *>(w);
    if (!etichetta || !CaratteriMetrici())
        return false;
    const QRect spazio = etichetta->contentsRect();
    const int larghezza =
        QFontMetrics(etichetta->font()).boundingRect(QRect(), 0, etichetta->text()).width();
    return (!etichetta->wordWrap() && larghezza > spazio.width()) ||
           AltezzaTesto(etichetta) > spazio.height();
}

// Everything wrong with the layout of a container and of the drawing areas in it.
inline QStringList DifettiImpaginazione(const QWidget *contenitore)
{
    QStringList difetti;
    QList<QWidget *> controlli;
    for (QWidget *w : contenitore->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow()) // not the popup of a list
            controlli << w;
    }
    for (qsizetype i = 0; i < controlli.size(); ++i) {
        const QWidget *w = controlli[i];
        for (qsizetype j = i + 1; j < controlli.size(); ++j) {
            if (w->geometry().intersects(controlli[j]->geometry()))
                difetti << Nome(w) + QStringLiteral(" copre ") + Nome(controlli[j]);
        }
        if (!contenitore->rect().contains(w->geometry()))
            difetti << Nome(w) + QStringLiteral(" esce");
        if (TestoTagliato(w))
            difetti << Nome(w) + QStringLiteral(" tagliato");
        if (qobject_cast<const AreaDisegno *>(w))
            difetti << DifettiImpaginazione(w);
    }
    return difetti;
}
