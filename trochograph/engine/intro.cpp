#include "intro.h"

#include <cmath>

#include "circle_animation.h"
#include "curve_state.h"
#include "engine_platform.h"
#include "surface.h"

namespace trochograph {

Intro::Intro(CurveState& state, Surface& canvas, EnginePlatform& platform, CircleAnimation& circles)
    : state_(state), canvas_(canvas), platform_(platform), circles_(circles)
{
}

int Intro::intro()
{
    CurveState& s = state_;
    Surface& window = platform_.windowSurface();
    platform_.setCursor(CursorShape::wait);

    if (first_) {
        first_ = 0;
        window.fillRect(visibleArea(s.res, platform_.clientRect()), s.back);
        canvas_.fillRect({0, 0, s.res, s.res}, s.back);
        s.theta = 0.0;
        s.delta = 0.0;
        R_ = s.halfres * 0.4;
        r1_ = s.halfres * 0.25;
        R_plus_r1_ = R_ + r1_;
        R_over_r1_plus_1_ = R_ / r1_ + 1;
    }
    if (s.theta == 0.0) circles_.drawcircles(window, R_, r1_, 0);

    // The centre follows theta before the step, the turning angle theta after it.
    s.center1x = std::cos(s.theta) * R_plus_r1_;
    s.center1y = std::sin(s.theta) * R_plus_r1_;
    s.theta += 0.01;
    s.delta = -R_over_r1_plus_1_ * s.theta;
    circles_.drawcircles(window, R_, r1_, 1);
    platform_.sleepMs(5);

    if (s.stopintro) {
        circles_.drawcircles(window, R_, r1_, 2);
        s.newcurve = 1;
        s.firstloop = 1;
        s.theta = 0.0;
        s.okintro = 0;
        platform_.setCursor(CursorShape::cross);
    }
    return 0;
}

}  // namespace trochograph
