#include "curve_canvas.h"

#include <cassert>

namespace trochograph::pictures {

CurveCanvas::CurveCanvas(int side, Colorref background) : window_(side, side, canvasGrey), engine_(window_)
{
    engine_.rebuildCanvas(side);
    parameters_ = engine_.parameters();
    parameters_.back = background;
    parameters_.speed = 0;
    engine_.setParameters(parameters_);
    // The intro over; the first curve's first step paints the canvas in the background
    // colour, and the curves after it pile up on it.
    engine_.startWholeCurve();
    engine_.pause();
}

void CurveCanvas::startCurve()
{
    // A step of zero would never reach the end of the curve.
    assert(parameters_.increment > 0.0);
    engine_.setParameters(parameters_);
    engine_.restart();
    engine_.render();
}

void CurveCanvas::drawCurve()
{
    startCurve();
    while (engine_.drawing()) engine_.step();
}

void CurveCanvas::drawCurveUntil(double theta)
{
    startCurve();
    while (engine_.drawing() && engine_.state().progress.theta < theta) engine_.step();
    engine_.pause();
    engine_.restart();
}

void CurveCanvas::drawCurveWithCircles(double theta)
{
    const bool animate = engine_.state().flags.animate;
    engine_.setAnimate(true);
    startCurve();
    // The renderer leaves the last frame in the canvas itself when the curve ends.
    while (engine_.drawing() && engine_.state().progress.theta < theta) engine_.step();
    if (engine_.drawing()) {
        engine_.keepCirclesFrame();
        engine_.pause();
        engine_.restart();
    }
    engine_.setAnimate(animate);
}

}  // namespace trochograph::pictures
