// The start-up animation: a small circle rolling round a fixed one until the user stops it.
#pragma once

namespace trochograph {

class CircleAnimation;
class EnginePlatform;
class Surface;
struct CurveState;

class Intro {
public:
    Intro(CurveState& state, Surface& canvas, EnginePlatform& platform, CircleAnimation& circles);

    // Draws one frame; once `stopintro` is set, draws a last frame that stays in the
    // picture, hands over to the renderer and clears `okintro`. Always returns 0.
    int intro();

    double fixedRadius() const { return R_; }
    double movingRadius() const { return r1_; }

private:
    CurveState& state_;
    Surface& canvas_;
    EnginePlatform& platform_;
    CircleAnimation& circles_;

    int first_ = 1;
    double R_ = 0.0;
    double r1_ = 0.0;
    double R_plus_r1_ = 0.0;
    double R_over_r1_plus_1_ = 0.0;
};

}  // namespace trochograph
