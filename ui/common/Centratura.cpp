#include "common/Centratura.h"

#include "common/Twips.h"

#include <algorithm>

QPoint PosizioneCentrata(const QSize &schermo, const QSize &finestra)
{
    const int sopra = MetaPari((schermo.height() - finestra.height()) * TwipsPerPixel);
    const int sinistra = MetaPari((schermo.width() - finestra.width()) * TwipsPerPixel);
    return QPoint(PixelDaTwips(std::max(sinistra, 0)), PixelDaTwips(std::max(sopra, 0)));
}

QRect PostoSulloSchermo(const QRect &schermo, const QRect &disponibile, const QSize &finestra)
{
    // A screen that reports no available area is available whole.
    const QRect area = disponibile.isEmpty() ? schermo : disponibile;
    const QSize misura = finestra.boundedTo(area.size());
    QRect posto(schermo.topLeft() + PosizioneCentrata(schermo.size(), misura), misura);
    posto.moveLeft(
        std::clamp(posto.left(), area.left(), area.left() + area.width() - misura.width()));
    posto.moveTop(
        std::clamp(posto.top(), area.top(), area.top() + area.height() - misura.height()));
    return posto;
}
