#include "curve_canvas.h"

#include <cassert>

namespace trochograph::pictures {

CurveCanvas::CurveCanvas(int side, Colorref background) : window_(side, side, canvasGrey), engine_(window_)
{
    engine_.rebuildCanvas(side);
    engine_.canvas.fillRect(engine_.canvas.bounds(), background);
    window_.fillRect(engine_.canvas.bounds(), background);
    engine_.state.params.back = background;
    engine_.state.params.speed = 0;
    engine_.state.flags.okintro = 0;
}

void CurveCanvas::startCurve()
{
    CurveState& s = engine_.state;
    // A step of zero would never reach the end of the curve.
    assert(s.params.increment > 0.0);
    // The canvas is already painted; curves drawn one after another pile up.
    s.flags.firstloop = 0;
    s.restart();
    s.flags.okroulette = 1;
}

void CurveCanvas::drawCurve()
{
    startCurve();
    while (engine_.state.flags.okroulette) engine_.step();
}

void CurveCanvas::drawCurveUntil(double theta)
{
    CurveState& s = engine_.state;
    startCurve();
    while (s.flags.okroulette && s.progress.theta < theta) engine_.step();
    s.flags.okroulette = 0;
    s.restart();
}

void CurveCanvas::drawCurveWithCircles(double theta)
{
    CurveState& s = engine_.state;
    const int animate = s.flags.animate;
    s.flags.animate = 1;
    startCurve();
    // The renderer leaves the last frame in the canvas itself when the curve ends.
    while (s.flags.okroulette && s.progress.theta < theta) engine_.step();
    if (s.flags.okroulette) {
        engine_.circles.drawcircles(window_, s.progress.R, s.progress.r, 2);
        s.flags.okroulette = 0;
        s.restart();
    }
    s.flags.animate = animate;
}

}  // namespace trochograph::pictures
