// The fifth help picture: why the circumference ratio is rounded. An ellipse with a = 2,
// b = 1 rolls round a circle with R = 4, drawn by the engine with the pen at the ellipse's
// centre: with the ratio of the circumferences as it is, 2.5941..., the path never closes;
// rounded to 2.5 it closes.
#include <string>

#include "curve_canvas.h"
#include "diagram.h"
#include "engine/rotate.h"
#include "help_style.h"
#include "pictures.h"

namespace trochograph::pictures {

namespace {

using namespace help;

constexpr int panelWidth = 245;
constexpr int height = 240;
constexpr int canvasSide = 210;

// Draws the path for `turns` turns of theta, or until it closes, into the panel `left`
// pixels from the left edge, with the ellipse where it starts and `caption` below.
void drawPath(Picture& picture, int left, int rounding, double turns, const std::string& caption)
{
    CurveCanvas canvas(canvasSide, ground);
    CurveParameters& s = canvas.parameters();
    s.type = epitrochoid;
    s.ellipse = 1;
    s.method = actualEllipse;
    s.en = 1;
    s.ed = 2;
    s.rounding = rounding;
    s.multicolor = 0;
    s.fore = curve;
    s.width = curvePen;
    s.increment = 0.004;
    // R = 4 units and a = 2 of 13 % each: the ellipse at the start reaches 8 units out.
    s.Rpct[epitrochoid] = 52;
    s.rpct[epitrochoid] = 26;
    s.dpct[epitrochoid] = 0;
    canvas.drawCurveUntil(turns * twoPi);

    const double unit = s.halfres() * 0.13;
    const double R = 4 * unit, a = 2 * unit, b = unit;
    Diagram g(picture, {left + panelWidth / 2, 4 + canvasSide / 2});
    g.circle({}, R, fixedCircle);
    g.curves(canvas, ground);
    // At the start the ellipse touches the circle with the end of its major axis, and the
    // pen sits at its centre.
    g.ellipse({R + a, 0}, a, b, 0.0, movingPiece);
    g.dot({R + a, 0}, penPoint, 5);
    g.note(caption, {left + 6, height - 26, left + panelWidth - 6, height - 8}, note, noteSize);
}

}  // namespace

Picture drawHelpRounding()
{
    Picture picture{Surface(2 * panelWidth, height, ground), {}, {}};
    drawPath(picture, 0, noRounding, 3, "ratio 2.5941\u2026, three turns");
    drawPath(picture, panelWidth, 2, 2, "ratio rounded to 2.5");
    picture.surface.fillRect({panelWidth, 8, panelWidth + 1, height - 8}, rule);
    return picture;
}

}  // namespace trochograph::pictures
