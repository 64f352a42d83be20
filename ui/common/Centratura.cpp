#include "common/Centratura.h"

#include "common/Twips.h"

#include <algorithm>

QPoint PosizioneCentrata(const QSize &schermo, const QSize &finestra)
{
    const int sopra = MetaPari((schermo.height() - finestra.height()) * TwipsPerPixel);
    const int sinistra = MetaPari((schermo.width() - finestra.width()) * TwipsPerPixel);
    return QPoint(PixelDaTwips(std::max(sinistra, 0)), PixelDaTwips(std::max(sopra, 0)));
}
