#pragma once

#include <QRect>
#include <QVariant>
#include <QWidget>

// Layout measures are given in twips: 15 twips to a device-independent pixel.
constexpr int TwipsPerPixel = 15;

// Nearest whole pixel.
constexpr int PixelDaTwips(int twips)
{
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}

inline QRect RettangoloDaTwips(const QRect &twips)
{
    return QRect(PixelDaTwips(twips.left()), PixelDaTwips(twips.top()), PixelDaTwips(twips.width()),
                 PixelDaTwips(twips.height()));
}

// Places a widget by its twip rectangle (left, top, width, height) and keeps
// that rectangle as the "twips" property, so tests can compare it.
inline void PosizionaInTwips(QWidget *widget, int left, int top, int width, int height)
{
    const QRect twips(left, top, width, height);
    widget->setProperty("twips", twips);
    widget->setGeometry(RettangoloDaTwips(twips));
}

// Places a caption by its twip rectangle, widened to the right when the
// platform's font needs a few more pixels than that rectangle gives: a caption
// is never cut off. The "twips" property keeps the rectangle asked for.
template <typename Etichetta>
inline void PosizionaEtichettaInTwips(Etichetta *etichetta, int left, int top, int width,
                                      int height)
{
    PosizionaInTwips(etichetta, left, top, width, height);
    const int necessaria = etichetta->sizeHint().width();
    if (necessaria > etichetta->width())
        etichetta->resize(necessaria, etichetta->height());
}
