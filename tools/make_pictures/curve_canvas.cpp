#include "curve_canvas.h"

#include <cassert>

namespace trochograph::pictures {

CurveCanvas::CurveCanvas(int side, Colorref background) : platform_(side, side), engine_(platform_)
{
    engine_.rebuildCanvas(side);
    engine_.canvas.fillRect(engine_.canvas.bounds(), background);
    platform_.windowSurface().fillRect(engine_.canvas.bounds(), background);
    CurveState& s = engine_.state;
    s.back = background;
    s.speed = 0;
    s.okintro = 0;
}

void CurveCanvas::startCurve()
{
    CurveState& s = engine_.state;
    // A step of zero would never reach the end of the curve.
    assert(s.increment > 0.0);
    // The canvas is already painted; curves drawn one after another pile up.
    s.firstloop = 0;
    s.newcurve = 1;
    s.theta = 0.0;
    s.okroulette = 1;
}

void CurveCanvas::drawCurve()
{
    startCurve();
    while (engine_.state.okroulette) engine_.roulette();
}

void CurveCanvas::drawCurveUntil(double theta)
{
    CurveState& s = engine_.state;
    startCurve();
    while (s.okroulette && s.theta < theta) engine_.roulette();
    s.okroulette = 0;
    s.newcurve = 1;
}

void CurveCanvas::drawCurveWithCircles(double theta)
{
    CurveState& s = engine_.state;
    const int animate = s.animate;
    s.animate = 1;
    startCurve();
    // The renderer leaves the last frame in the canvas itself when the curve ends.
    while (s.okroulette && s.theta < theta) engine_.roulette();
    if (s.okroulette) {
        engine_.circles.drawcircles(platform_.windowSurface(), s.R, s.r, 2);
        s.okroulette = 0;
        s.newcurve = 1;
    }
    s.animate = animate;
}

}  // namespace trochograph::pictures
