// The first help picture: what rolls where. A circle rolling on a line traces a cycloid;
// rolling round the outside of a fixed circle, with the pen on an arm, an epitrochoid;
// rolling inside it, a hypotrochoid, whose moving centre turns through the angle theta.
#include <cmath>
#include <vector>

#include "curve_canvas.h"
#include "diagram.h"
#include "engine/rotate.h"
#include "help_panels.h"
#include "help_style.h"
#include "pictures.h"

namespace trochograph::pictures {

namespace {

using namespace help;

constexpr int panelWidth = 240;
constexpr int height = 200;
// The curve panels' centre row and engine canvas, leaving the bottom rows to the caption.
constexpr int centreRow = 92;
constexpr int canvasSide = 184;

// The moving circle of radius r rolling round a fixed circle of radius R, outside or
// inside, with the pen d from its centre; theta is the angle of the moving centre.
// These are the engine's formulas with its y axis taken upwards.
struct Trochoid {
    double R, r, d;
    bool inside;

    double delta(double theta) const { return (inside ? R - r : R + r) / r * theta; }
    Vec centre(double theta) const { return polar(inside ? R - r : R + r, theta); }
    Vec contact(double theta) const { return polar(R, theta); }
    Vec pen(double theta) const
    {
        const double t = delta(theta);
        return inside ? centre(theta) + Vec{d * std::cos(t), -d * std::sin(t)}
                      : centre(theta) - polar(d, t);
    }
};

// Radii in percent of the canvas's half side, as the engine takes them.
Trochoid trochoidOnCanvas(CurveParameters& s, CurveType type, int Rpct, int rpct, int dpct)
{
    s.type = type;
    s.multicolor = 0;
    s.fore = curve;
    s.width = curvePen;
    s.increment = 0.005;
    s.Rpct[type] = Rpct;
    s.rpct[type] = rpct;
    s.dpct[type] = dpct;
    const double unit = s.halfres() * 0.01;
    return {Rpct * unit, rpct * unit, dpct * unit, type == hypotrochoid};
}

void drawCycloid(Picture& picture, int left)
{
    // The line is the x axis; the pen point starts on it at the origin.
    Diagram g(picture, {left + 13, 128});
    constexpr double radius = 34.0;
    // The pen point after the circle has turned through `phi`.
    auto traced = [](double phi) { return Vec{radius * (phi - std::sin(phi)), radius * (1 - std::cos(phi))}; };
    constexpr int steps = 400;
    std::vector<Vec> arch;
    for (int i = 0; i <= steps; ++i) arch.push_back(traced(2 * pi * i / steps));
    g.line({-8, 0}, {2 * pi * radius + 8, 0}, fixedCircle);
    g.polyline(arch, curve, curvePen);

    constexpr double rolled = 2.35;
    const Vec centre{radius * rolled, radius};
    const Vec pen = traced(rolled);
    g.circle(centre, radius, movingPiece);
    // The pen sits on the rim: its arm is a radius.
    g.line(centre, pen, movingPiece);
    g.dot(centre, movingPiece);
    g.dot({centre.x, 0}, fixedCircle);
    g.dot(pen, penPoint, 5);
    g.label("r", beside(centre, pen, 9), movingPiece, leftOf(centre, pen));
}

void drawEpitrochoid(Picture& picture, int left)
{
    CurveCanvas canvas(canvasSide, ground);
    const Trochoid t = trochoidOnCanvas(canvas.parameters(), epitrochoid, 51, 17, 28);
    canvas.drawCurve();

    Diagram g(picture, {left + panelWidth / 2, centreRow});
    const Vec origin{};
    g.circle(origin, t.R, fixedCircle);
    g.curves(canvas, ground);

    // The arm points away from the fixed circle, where its part beyond the rim shows and
    // its label finds room.
    const double theta = 35 * pi / 180;
    const Vec centre = t.centre(theta), contact = t.contact(theta), pen = t.pen(theta);
    g.circle(centre, t.r, movingPiece);
    g.line(origin, contact, fixedCircle);
    g.line(contact, centre, movingPiece);
    g.line(centre, pen, arm);
    g.dot(origin, fixedCircle);
    g.dot(centre, movingPiece);
    g.dot(pen, penPoint, 5);
    g.label("R", beside(origin, contact, -10), fixedCircle, -leftOf(origin, contact));
    // The moving circle is too small to hold its labels.
    g.label("r", centre + polar(t.r + 8, theta + pi / 2), movingPiece, polar(1, theta + pi / 2));
    g.label("d", beside(centre, pen, 9, 0.8), arm, leftOf(centre, pen));
}

void drawHypotrochoid(Picture& picture, int left)
{
    CurveCanvas canvas(canvasSide, ground);
    const Trochoid t = trochoidOnCanvas(canvas.parameters(), hypotrochoid, 93, 31, 16);
    canvas.drawCurve();

    Diagram g(picture, {left + panelWidth / 2, centreRow});
    const Vec origin{};
    g.circle(origin, t.R, fixedCircle);
    g.dashedLine(origin, {t.R + 10, 0}, axis);
    g.curves(canvas, ground);

    // The arm stands well apart from the line of centres, and theta is plainly an angle.
    const double theta = 80 * pi / 180;
    const Vec centre = t.centre(theta), contact = t.contact(theta), pen = t.pen(theta);
    const Vec rim = polar(t.R, 215 * pi / 180);
    g.circle(centre, t.r, movingPiece);
    g.line(origin, rim, fixedCircle);
    g.line(origin, centre, angle);
    g.line(centre, contact, movingPiece);
    g.line(centre, pen, arm);
    g.angle(origin, 16, 0, theta, angle);
    g.dot(origin, fixedCircle);
    g.dot(centre, movingPiece);
    g.dot(pen, penPoint, 5);
    g.label("R", beside(origin, rim, -10, 0.78), fixedCircle, -leftOf(origin, rim));
    g.label("\u03B8", polar(25, theta / 2), angle, polar(1, theta / 2));
    g.label("r", beside(centre, contact, -9, 0.4), movingPiece, -leftOf(centre, contact));
    g.label("d", beside(centre, pen, -9), arm, -leftOf(centre, pen));
}

}  // namespace

Picture drawHelpRollingCircles()
{
    Picture picture{Surface(3 * panelWidth, height, ground), {}, {}};
    separatePanels(picture, {{"cycloid", panelWidth}, {"epitrochoid", panelWidth}, {"hypotrochoid", panelWidth}});
    drawCycloid(picture, 0);
    drawEpitrochoid(picture, panelWidth);
    drawHypotrochoid(picture, 2 * panelWidth);
    return picture;
}

}  // namespace trochograph::pictures
