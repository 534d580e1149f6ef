// The about box: on the left the circles rolling and tracing part of a curve; on the right
// the title with a small emblem, what the program draws, and the credit.
#include "curve_canvas.h"
#include "emblem.h"
#include "engine/rotate.h"
#include "panels.h"
#include "pictures.h"

namespace trochograph::pictures {

Picture drawAbout()
{
    constexpr int width = 480;
    constexpr int half = 240;
    constexpr Colorref black = rgb(0, 0, 0);
    constexpr Colorref teal = rgb(0, 96, 104);
    Picture picture{Surface(width, half, black), {}, {}};
    Surface& surface = picture.surface;

    CurveCanvas circles(half, black);
    CurveParameters& s = circles.parameters();
    s.type = epitrochoid;
    s.multicolor = 1;
    s.width = 2;
    s.increment = 0.01;
    // R = 2r: the rolling circle is big enough to show its spokes; stopped past its inner
    // loop, the arm still reaches back to the end of the trace.
    s.Rpct[epitrochoid] = 36;
    s.rpct[epitrochoid] = 18;
    s.dpct[epitrochoid] = 34;
    circles.drawCurveWithCircles(1.3 * pi);
    surface.blit({0, 0}, circles.canvas(), circles.canvas().bounds());

    surface.fillRect({half, 0, width, half}, teal);
    frame(surface, {half + 8, 8, width - 8, half - 8}, 1, mix(teal, rgb(255, 255, 255), 90));

    constexpr int emblemSide = 64;
    CurveCanvas emblem(emblemSide, teal);
    drawEmblem(emblem, 1);
    surface.blit({half + (half - emblemSide) / 2, 24}, emblem.canvas(), emblem.canvas().bounds());

    constexpr Colorref white = rgb(255, 255, 255);
    constexpr Colorref pale = rgb(190, 225, 225);
    auto line = [&](const char* text, int top, int bottom, int size, Colorref c, bool bold, Typeface face) {
        picture.captions.push_back({text, {half + 10, top, width - 10, bottom}, size, c, bold, face});
    };
    line("Vell Varezuro", 92, 124, 24, white, true, Typeface::serif);
    line("Circular and elliptical roulettes", 128, 148, 13, pale, false, Typeface::sans);
    line("\u00A9 2017 The Trochograph developers", 196, 216, 11, pale, false, Typeface::sans);
    return picture;
}

}  // namespace trochograph::pictures
