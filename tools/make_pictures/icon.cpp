// The icon: the emblem on a dark disc, transparent around it.
#include "curve_canvas.h"
#include "emblem.h"
#include "panels.h"
#include "pictures.h"

namespace trochograph::pictures {

Picture drawIcon(int side)
{
    constexpr Colorref outside = rgb(0, 0, 0);
    constexpr Colorref disc = rgb(20, 24, 48);
    Picture picture{Surface(side, side, outside), {}, outside};
    fillDisc(picture.surface, {0, 0, side, side}, disc);

    // A little smaller than the disc, so that the outer arcs keep clear of its edge.
    const int margin = side / 16;
    CurveCanvas curves(side - 2 * margin, disc);
    // Two-pixel lines run into each other at small sizes; the large sizes for the desktop
    // get lines that stay as bold as in the smaller ones.
    drawEmblem(curves, side >= 128 ? side / 64 : side >= 48 ? 2 : 1);
    overlay(picture.surface, {margin, margin}, curves.canvas(), disc);
    return picture;
}

}  // namespace trochograph::pictures
