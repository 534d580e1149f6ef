#include "emblem.h"

#include "curve_canvas.h"

namespace trochograph::pictures {

void drawEmblem(CurveCanvas& canvas, int penWidth)
{
    CurveParameters& s = canvas.parameters();
    s.type = epitrochoid;
    s.multicolor = 1;
    s.width = penWidth;
    s.increment = 0.01;
    // R / r = 6 closes after one turn with six loops, since the pen lies outside the
    // rolling circle (d > r); R + r + d = 93 keeps the loops off the canvas edge.
    s.Rpct[epitrochoid] = 54;
    s.rpct[epitrochoid] = 9;
    s.dpct[epitrochoid] = 30;
    canvas.drawCurve();
}

}  // namespace trochograph::pictures
