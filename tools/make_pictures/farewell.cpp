// The farewell screen: a four-petalled rose in greens and yellows over a line of thanks.
#include "curve_canvas.h"
#include "panels.h"
#include "pictures.h"

namespace trochograph::pictures {

namespace {

constexpr Colorref green = rgb(40, 190, 70);
constexpr Colorref yellow = rgb(250, 225, 60);

// Green to yellow and back four times over the palette: the renderer spreads the palette
// once over the whole rose, so each petal is green at its tip and yellow at the centre.
Palette petalPalette()
{
    Palette p{};
    for (int i = 0; i < 256; ++i) {
        const int phase = (i * 4) % 256;
        p[i] = mix(green, yellow, phase < 128 ? phase * 2 : (255 - phase) * 2);
    }
    return p;
}

}  // namespace

Picture drawFarewell()
{
    constexpr int side = 240;
    constexpr int canvasSide = 180;
    constexpr Colorref brown = rgb(52, 30, 16);
    constexpr Colorref gold = rgb(212, 170, 60);
    Picture picture{Surface(side, side, brown), {}, {}};
    Surface& surface = picture.surface;
    // A bevelled gold border and a thin gold rule inside it.
    frame(surface, {0, 0, side, side}, 6, gold);
    frame(surface, {0, 0, side, side}, 1, mix(gold, rgb(255, 255, 255), 110));
    frame(surface, {5, 5, side - 5, side - 5}, 1, mix(gold, brown, 110));
    frame(surface, {10, 10, side - 10, side - 10}, 1, mix(gold, brown, 60));

    // The rose with k = 2, and inside it a hypotrochoid with R / r = 4 whose pen, beyond
    // the rolling circle, draws four small loops along the petals.
    CurveCanvas curves(canvasSide, brown);
    CurveParameters& s = curves.parameters();
    s.crpalette = petalPalette();
    s.multicolor = 1;
    s.width = 3;
    s.increment = 0.005;
    s.type = rhodoneaRational;
    s.Rpct[rhodoneaRational] = 92;
    s.kn[rhodoneaRational] = 2;
    s.kd[rhodoneaRational] = 1;
    curves.drawCurve();
    s.type = hypotrochoid;
    s.multicolor = 0;
    s.fore = yellow;
    s.width = 1;
    s.Rpct[hypotrochoid] = 48;
    s.rpct[hypotrochoid] = 12;
    s.dpct[hypotrochoid] = 20;
    curves.drawCurve();
    surface.blit({(side - canvasSide) / 2, 14}, curves.canvas(), curves.canvas().bounds());

    picture.captions.push_back(
        {"Thank you for drawing curves", {12, 196, side - 12, 222}, 14, rgb(240, 215, 140), false, Typeface::sans});
    return picture;
}

}  // namespace trochograph::pictures
