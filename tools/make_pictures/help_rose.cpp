// The second help picture: the four-petalled rose m = R cos(k theta) with R = 6, k = 2,
// drawn thin over the hypotrochoid with R = 4, r = 1, d = 3 drawn wide, which is the same
// curve; the ray m to a point of the rose and its angle theta are marked.
#include <cmath>

#include "curve_canvas.h"
#include "diagram.h"
#include "engine/rotate.h"
#include "help_style.h"
#include "panels.h"
#include "pictures.h"

namespace trochograph::pictures {

namespace {

using namespace help;

constexpr Colorref hypotrochoidBand = rgb(62, 92, 140);
constexpr Colorref rose = rgb(255, 205, 80);

}  // namespace

Picture drawHelpRose()
{
    constexpr int side = 200;
    Picture picture{Surface(side, side, ground), {}, {}};

    // Both reach 90 % of the canvas's half side: 6 units of 15 % each.
    CurveCanvas canvas(side, ground);
    CurveParameters& s = canvas.parameters();
    s.multicolor = 0;
    s.increment = 0.005;
    s.type = hypotrochoid;
    s.fore = hypotrochoidBand;
    s.width = 5;
    s.Rpct[hypotrochoid] = 60;
    s.rpct[hypotrochoid] = 15;
    s.dpct[hypotrochoid] = 45;
    canvas.drawCurve();
    s.type = rhodoneaRational;
    s.fore = rose;
    s.width = 1;
    s.Rpct[rhodoneaRational] = 90;
    s.kn[rhodoneaRational] = 2;
    s.kd[rhodoneaRational] = 1;
    canvas.drawCurve();
    const double R = s.halfres() * 0.9;

    Diagram g(picture, {side / 2, side / 2});
    const Vec origin{};
    g.dashedLine(origin, {R + 8, 0}, axis);
    g.curves(canvas, ground);

    // Near its widest, where the petal has room for the angle's label; the label of the
    // ray goes just outside the petal.
    const double theta = 22 * pi / 180;
    const Vec point = polar(R * std::cos(2 * theta), theta);
    g.line(origin, point, angle);
    g.angle(origin, 38, 0, theta, angle);
    g.dot(origin, angle);
    g.dot(point, penPoint, 5);
    g.label("m", point + Vec{5, 14}, angle, polar(1, theta));
    g.label("\u03B8", polar(51, theta * 0.45), angle, polar(1, theta * 0.45));

    // A legend in the corner between two petals.
    constexpr int legendSize = 11;
    g.note("rose", {4, side - 34, 30, side - 20}, rose, legendSize);
    g.note("hypotrochoid", {3, side - 18, 76, side - 4}, mix(hypotrochoidBand, rgb(255, 255, 255), 90), legendSize);
    return picture;
}

}  // namespace trochograph::pictures
