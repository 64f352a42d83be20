#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Top-left corner, relative to the screen's own corner, of a window of the
// given size centred on a screen of the given size (both in pixels). The
// offsets are worked out in twips, halves rounded to the even twip, and are
// never negative: a window larger than the screen keeps its title bar and
// menus reachable at the top-left corner.
QPoint PosizioneCentrata(const QSize &schermo, const QSize &finestra);

// Where a window of the given outer size goes on a screen (its geometry and
// its available area, without panels and docks, in the desktop's pixels):
// centred on the screen as PosizioneCentrata says, and kept inside the
// available area. A window larger than that area is cut down to it, so that
// all of it, title bar and frame edges included, stays in reach.
QRect PostoSulloSchermo(const QRect &schermo, const QRect &disponibile, const QSize &finestra);

// Half of a whole number, a half rounded to the even neighbour.
constexpr int MetaPari(int n)
{
    const int meta = n / 2; // towards zero
    if (n % 2 == 0 || meta % 2 == 0)
        return meta;
    return n > 0 ? meta + 1 : meta - 1;
}
