// The fourth help picture: elliptical roulettes. An ellipse rolling on a line, its focus
// tracing a wave; the engine's simulated ellipse rolling round a circle, tracing wavy
// rings; and the geometry of that simulation: R, theta, the varying radius r from the
// ellipse's centre to the contact point, the pen distance d and the ellipse's turn delta.
#include <cmath>
#include <vector>

#include "curve_canvas.h"
#include "diagram.h"
#include "engine/rotate.h"
#include "help_panels.h"
#include "help_style.h"
#include "pictures.h"
#include "rolling_ellipse.h"

namespace trochograph::pictures {

namespace {

using namespace help;

constexpr int width = 760;
constexpr int height = 230;
constexpr int lineWidth = 300;
constexpr int ringWidth = 200;

void drawOnLine(Picture& picture, int left)
{
    // Semi-axes 5 : 3, so the focal distance is 4 of the same units; one turn rolls
    // 255 pixels along the line.
    constexpr double a = 50, b = 30, c = 40;
    // The ellipse rests on the end of its minor axis at x = rest; a quarter turn later the
    // end of the major axis next to the focus touches, and the wave dips, mid-panel.
    constexpr int rest = 86;
    Diagram g(picture, {left + rest, 160});
    const std::vector<EllipsePose> poses = rollEllipse(a, b, -3.4, 3.4, 0.01);
    std::vector<Vec> trace;
    for (const EllipsePose& pose : poses) trace.push_back(pose.place({c, 0}));
    g.line({-rest, 0}, {lineWidth - rest, 0}, fixedCircle);
    g.polyline(trace, curve, curvePen);

    // Shown tilted, touching the line between the ends of its minor and major axes.
    const EllipsePose shown = rollEllipse(a, b, 2.2, 2.2, 0.01).front();
    g.ellipse(shown.centre, a, b, shown.turn, movingPiece);
    const Vec centre = shown.centre, focus = shown.place({c, 0});
    const Vec vertex = shown.place({-a, 0}), coVertex = shown.place({0, -b});
    g.line(centre, vertex, movingPiece);
    g.line(centre, coVertex, movingPiece);
    g.line(centre, focus, arm);
    g.dot(centre, movingPiece);
    g.dot(shown.place({-c, 0}), movingPiece);
    g.dot(focus, penPoint, 5);
    g.label("a", beside(centre, vertex, -9), movingPiece, -leftOf(centre, vertex));
    g.label("b", beside(centre, coVertex, -9), movingPiece, -leftOf(centre, coVertex));
    g.label("c", beside(centre, focus, -9), arm, -leftOf(centre, focus));
}

void drawRings(Picture& picture, int left)
{
    constexpr int side = 200;
    CurveCanvas canvas(side, ground);
    CurveParameters& s = canvas.parameters();
    // The engine's actual ellipse, b = a / 2, round the outside of a circle; the ratio of
    // the circumferences rounded to quarters closes each curve after four turns.
    s.type = epitrochoid;
    s.ellipse = 1;
    s.method = actualEllipse;
    s.en = 1;
    s.ed = 2;
    s.rounding = 4;
    s.multicolor = 1;
    s.width = 1;
    s.increment = 0.005;
    s.Rpct[epitrochoid] = 55;
    s.rpct[epitrochoid] = 20;
    for (double d : {0.0, 3.0, 6.0}) {
        s.dpct[epitrochoid] = d;
        canvas.drawCurve();
    }
    Diagram g(picture, {left + ringWidth / 2, (height - captionHeight) / 2});
    g.circle({}, s.halfres() * s.Rpct[epitrochoid] * 0.01, fixedCircle);
    g.curves(canvas, ground);
}

void drawEllipseGeometry(Picture& picture, int left)
{
    constexpr double R = 56, a = 44, b = 27, d = 30;
    // The ellipse turned by epsilon against the line of centres, so delta = theta + epsilon.
    constexpr double theta = 35 * pi / 180, epsilon = 70 * pi / 180, delta = theta + epsilon;
    // r is the ellipse's radius towards the fixed circle, epsilon off its major axis.
    const double r = a * b / std::hypot(b * std::cos(epsilon), a * std::sin(epsilon));
    const Vec origin{}, centre = polar(R + r, theta), contact = polar(R, theta);
    // The pen lies on the major axis, on the side that touched the circle at the start.
    const Vec pen = centre - polar(d, delta);

    Diagram g(picture, {left + 80, 150});
    g.circle(origin, R, fixedCircle);
    const Vec rim = polar(R, 240 * pi / 180);
    g.line(origin, rim, fixedCircle);
    g.dashedLine(origin, {R + 40, 0}, axis);
    g.line(origin, contact, angle);
    g.angle(origin, 22, 0, theta, angle);

    g.ellipse(centre, a, b, delta, movingPiece);
    g.line(centre - polar(a, delta), centre + polar(a, delta), axis);
    g.dashedLine(centre, centre + polar(64, delta), axis);
    g.dashedLine(centre, centre + Vec{64, 0}, axis);
    g.angle(centre, 52, 0, delta, angle);
    g.line(centre, contact, movingPiece);
    g.line(centre, pen, arm);
    g.dot(origin, fixedCircle);
    g.dot(centre, movingPiece);
    g.dot(pen, penPoint, 5);

    g.label("R", beside(origin, rim, 10), fixedCircle, leftOf(origin, rim));
    g.label("\u03B8", polar(34, theta / 2), angle, polar(1, theta / 2));
    g.label("r", beside(centre, contact, 9, 0.55), movingPiece, leftOf(centre, contact));
    g.label("d", beside(centre, pen, 9), arm, leftOf(centre, pen));
    g.label("\u03B4", centre + polar(62, delta / 2), angle, polar(1, delta / 2));
}

}  // namespace

Picture drawHelpRollingEllipses()
{
    Picture picture{Surface(width, height, ground), {}, {}};
    separatePanels(picture,
                   {{"on a line", lineWidth}, {"round a circle", ringWidth}, {"the geometry", width - lineWidth - ringWidth}});
    // Each panel keeps to its own part of the picture.
    picture.surface.setClip({8, 0, lineWidth - 8, height});
    drawOnLine(picture, 0);
    picture.surface.setClip({lineWidth, 0, lineWidth + ringWidth, height});
    drawRings(picture, lineWidth);
    picture.surface.resetClip();
    drawEllipseGeometry(picture, lineWidth + ringWidth);
    return picture;
}

}  // namespace trochograph::pictures
