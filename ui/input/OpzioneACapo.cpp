#include "OpzioneACapo.h"

#include <QPainter>
#include <QStyleOption>
#include <QStylePainter>

QRect OpzioneACapo::RettangoloTesto() const
{
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    const int indicatore = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opzione, this);
    // A narrow gap of 4 pixels: the captions' twip boxes leave no more, and
    // a wider one would wrap them onto another line.
    return rect().adjusted(indicatore + 4, 0, 0, 0);
}

void OpzioneACapo::paintEvent(QPaintEvent *)
{
    QStylePainter pittore(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    const QString testo = opzione.text;
    opzione.text.clear();

    // The indicator sits level with the first line of the caption.
    const int altezzaRiga = fontMetrics().height();
    opzione.rect.setHeight(altezzaRiga);
    pittore.drawControl(QStyle::CE_RadioButton, opzione);

    const QRect area = RettangoloTesto();
    const int allineamento = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    pittore.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    pittore.drawText(area, allineamento, testo);
    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = pittore.boundingRect(area, allineamento, testo).adjusted(-1, 0, 1, 0);
        pittore.drawPrimitive(QStyle::PE_FrameFocusRect, fuoco);
    }
}

bool OpzioneACapo::hitButton(const QPoint &punto) const
{
    return rect().contains(punto);
}
