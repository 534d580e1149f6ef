// The icons the desktop shows besides the program's own: the show's, a screen on a stand
// with a five-petalled rose on it, and the parameter files', a page with a folded corner
// carrying the program icon.
#include <algorithm>

#include "curve_canvas.h"
#include "engine/rotate.h"
#include "panels.h"
#include "pictures.h"

namespace trochograph::pictures {

namespace {

constexpr Colorref clearColor = rgb(0, 0, 0);

// A rose of five petals, the first pointing up: with d = R - r the pen passes through the
// centre, R / r = 5 / 2 closes the curve after two turns, and the petals reach 90% of the
// half side.
void drawRose(CurveCanvas& canvas, int penWidth)
{
    CurveParameters& s = canvas.parameters();
    s.type = hypotrochoid;
    s.multicolor = 1;
    s.width = penWidth;
    s.increment = 0.01;
    s.Rpct[hypotrochoid] = 75;
    s.rpct[hypotrochoid] = 30;
    s.dpct[hypotrochoid] = 45;
    s.rottheta = -pi / 2;
    canvas.drawCurve();
}

}  // namespace

Picture drawShowIcon(int side)
{
    constexpr Colorref bezel = rgb(88, 98, 118);
    constexpr Colorref screen = rgb(8, 10, 20);
    Picture picture{Surface(side, side, clearColor), {}, clearColor};
    Surface& s = picture.surface;

    // The monitor fills the width and three quarters of the height, its stand the rest.
    const int border = std::max(1, side / 24);
    const int monitorTop = side / 16;
    const int monitorBottom = side - side / 5;
    s.fillRect({0, monitorTop, side, monitorBottom}, bezel);
    // Cut corners instead of square ones, where there is room for them.
    if (side >= 32)
        for (const int y : {monitorTop, monitorBottom - 1}) {
            s.setPixel(0, y, clearColor);
            s.setPixel(side - 1, y, clearColor);
        }
    const Rect glass{border, monitorTop + border, side - border, monitorBottom - border};
    s.fillRect(glass, screen);
    const int neck = std::max(2, side / 8);
    s.fillRect({(side - neck) / 2, monitorBottom, (side + neck) / 2, side - border}, bezel);
    s.fillRect({side / 4, side - border, side - side / 4, side}, bezel);

    // The curve in a square as high as the glass, in the middle of it.
    const int curveSide = glass.bottom - glass.top;
    CurveCanvas curves(curveSide, screen);
    drawRose(curves, side >= 128 ? side / 64 : 1);
    overlay(s, {(side - curveSide) / 2, glass.top}, curves.canvas(), screen);
    return picture;
}

Picture drawParameterFileIcon(int side)
{
    constexpr Colorref paper = rgb(244, 244, 238);
    constexpr Colorref edge = rgb(118, 118, 118);
    constexpr Colorref fold = rgb(206, 206, 198);
    Picture picture{Surface(side, side, clearColor), {}, clearColor};
    Surface& s = picture.surface;

    // A page three quarters as wide as it is high, the top right corner turned down.
    const int width = side * 3 / 4;
    const int left = (side - width) / 2, right = left + width;
    const int top = 0, bottom = side;
    const int corner = std::max(3, width / 4);
    s.fillRect({left, top, right, bottom}, edge);
    s.fillRect({left + 1, top + 1, right - 1, bottom - 1}, paper);
    // Above the diagonal from (right - corner, top) to (right - 1, top + corner - 1) the
    // page is gone; below it lies the back of the turned-down corner.
    for (int i = 0; i < corner; ++i) {
        const int y = top + i;
        const int cut = right - corner + i;
        s.fillRect({cut + 1, y, right, y + 1}, clearColor);
        s.setPixel(cut, y, edge);
        s.fillRect({right - corner, y, cut, y + 1}, i == corner - 1 ? edge : fold);
        s.setPixel(right - corner, y, edge);
    }

    // The program icon on the lower part of the page.
    const int iconSide = width - 2 * std::max(1, width / 8);
    const Picture icon = drawIcon(iconSide);
    const int iconTop = bottom - iconSide - std::max(2, (bottom - top - iconSide) / 3);
    overlay(s, {left + (width - iconSide) / 2, iconTop}, icon.surface, *icon.transparent);
    return picture;
}

}  // namespace trochograph::pictures
