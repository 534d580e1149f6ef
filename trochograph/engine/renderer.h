// The curve renderer: one segment of the current curve per call.
#pragma once

namespace trochograph {

class CircleAnimation;
class EnginePlatform;
class Surface;
struct CurveState;

class Renderer {
public:
    Renderer(CurveState& state, Surface& canvas, EnginePlatform& platform, CircleAnimation& circles);

    // Repaints the background if asked, sets a new curve up if asked, then draws one
    // segment into the canvas (and the window), advances theta and ends the curve when
    // theta reaches its closing value. Always returns 0.
    int roulette();

    // The closure figures of the last set-up, as the debug box shows them.
    int revolutions() const { return revolutions_; }
    int rotations() const { return rotations_; }

private:
    void setUpCurve();
    void setUpEllipse();
    void showClosure();
    void stepEllipse();

    CurveState& state_;
    Surface& canvas_;
    EnginePlatform& platform_;
    CircleAnimation& circles_;

    double R_plus_r_ = 0.0, R_minus_r_ = 0.0;
    double R_over_r_plus_1_ = 0.0, R_over_r_minus_1_ = 0.0;
    int revolutions_ = 0, rotations_ = 0;
    // Ellipse method 0.
    double c_ = 0.0, e_ = 0.0, e_squared_ = 0.0, b_over_a_ = 0.0, circratio_ = 0.0;
    // Ellipse methods 1 and 2.
    double et_ = 0.0;
    double epsilon_ = 0.0;
};

}  // namespace trochograph
