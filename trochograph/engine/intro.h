// The start-up animation: a small circle rolling round a fixed one until the user stops it.
#pragma once

#include "engine/step_request.h"

namespace trochograph {

class CircleAnimation;
class Surface;
struct CurveState;

class Intro {
public:
    Intro(CurveState& state, Surface& canvas, Surface& window, CircleAnimation& circles);

    // Draws one frame, to be followed by a pause of introFrameMs; once `stopintro` is set,
    // draws a last frame that stays in the picture, hands over to the renderer and clears
    // `okintro`.
    StepRequest intro();

    double fixedRadius() const { return R_; }
    double movingRadius() const { return r1_; }

private:
    CurveState& state_;
    Surface& canvas_;
    Surface& window_;
    CircleAnimation& circles_;

    int first_ = 1;
    double R_ = 0.0;
    double r1_ = 0.0;
    double R_plus_r1_ = 0.0;
    double R_over_r1_plus_1_ = 0.0;
};

}  // namespace trochograph
