// The curve engine without a window, for drawing curves into pictures.
#pragma once

#include "common/surface.h"
#include "engine/curve_state.h"
#include "engine/engine.h"

namespace trochograph::pictures {

class CurveCanvas {
public:
    // A square canvas of side `side` filled with `background`, which is also the curve's
    // back colour; the parameters otherwise start at their defaults, with no pause between
    // segments.
    CurveCanvas(int side, Colorref background);
    CurveCanvas(const CurveCanvas&) = delete;
    CurveCanvas& operator=(const CurveCanvas&) = delete;

    // The parameters the next curve is drawn with.
    CurveParameters& parameters() { return parameters_; }
    const Surface& canvas() const { return engine_.canvas(); }

    // Draws the whole curve the parameters describe over what the canvas already holds.
    void drawCurve();
    // Draws the curve until theta reaches `theta` or the curve ends, whichever comes first.
    void drawCurveUntil(double theta);
    // Draws the curve with its circles until theta reaches `theta` (or the curve ends),
    // then leaves the circles' frame for that moment in the canvas.
    void drawCurveWithCircles(double theta);

private:
    void startCurve();

    // A window exactly the canvas: the circles clip their pen-tip dot to the visible part.
    Surface window_;
    Engine engine_;
    CurveParameters parameters_;
};

}  // namespace trochograph::pictures
