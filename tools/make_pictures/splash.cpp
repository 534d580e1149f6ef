// The splash screen: a braided ring of loops in the palette's colours around the title.
#include <algorithm>

#include "curve_canvas.h"
#include "engine/rotate.h"
#include "panels.h"
#include "pictures.h"

namespace trochograph::pictures {

Picture drawSplash()
{
    constexpr int side = 360;
    constexpr int canvasSide = 340;
    constexpr Colorref black = rgb(0, 0, 0);
    Picture picture{Surface(side, side, black), {}, {}};
    Surface& surface = picture.surface;
    frame(surface, {4, 4, side - 4, side - 4}, 2, rgb(150, 150, 150));

    // R / r = 17 / 2: seventeen loops round the ring, the pen outside the rolling circle.
    // The ring's inner edge lies at (R + r - d)% of the half side, clear of the title.
    CurveCanvas curves(canvasSide, black);
    CurveParameters& s = curves.parameters();
    s.type = epitrochoid;
    s.multicolor = 1;
    s.increment = 0.004;
    s.Rpct[epitrochoid] = 68;
    s.rpct[epitrochoid] = 8;
    s.dpct[epitrochoid] = 16;

    // A thin copy half a loop round and half the palette out of step, under the bold one.
    const Palette palette = s.crpalette.colors();
    Palette shifted = palette;
    std::rotate(shifted.begin() + 1, shifted.begin() + 128, shifted.end());
    s.crpalette = shifted;
    s.width = 1;
    s.dbtheta = 180.0 / 17;
    s.rottheta = s.dbtheta * pi / 180;
    curves.drawCurve();

    s.crpalette = palette;
    s.width = 2;
    s.dbtheta = 0.0;
    s.rottheta = 0.0;
    curves.drawCurve();
    const int margin = (side - canvasSide) / 2;
    surface.blit({margin, margin}, curves.canvas(), curves.canvas().bounds());

    // The box just holds the title and lies inside the ring's hole.
    picture.captions.push_back(
        {"Vell Varezuro", {88, 166, side - 88, 194}, 24, rgb(255, 255, 255), true, Typeface::serif});
    return picture;
}

}  // namespace trochograph::pictures
