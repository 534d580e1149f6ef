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
    const CurveParameters& p = s.params;
    CurveProgress& g = s.progress;
    Surface& window = platform_.windowSurface();
    platform_.setCursor(CursorShape::wait);

    if (first_) {
        first_ = 0;
        window.fillRect(visibleArea(p.res, platform_.clientRect()), p.back);
        canvas_.fillRect({0, 0, p.res, p.res}, p.back);
        g.theta = 0.0;
        g.delta = 0.0;
        R_ = p.halfres() * 0.4;
        r1_ = p.halfres() * 0.25;
        R_plus_r1_ = R_ + r1_;
        R_over_r1_plus_1_ = R_ / r1_ + 1;
    }
    if (g.theta == 0.0) circles_.drawcircles(window, R_, r1_, 0);

    // The centre follows theta before the step, the turning angle theta after it.
    g.center1x = std::cos(g.theta) * R_plus_r1_;
    g.center1y = std::sin(g.theta) * R_plus_r1_;
    g.theta += 0.01;
    g.delta = -R_over_r1_plus_1_ * g.theta;
    circles_.drawcircles(window, R_, r1_, 1);
    platform_.sleepMs(5);

    if (s.flags.stopintro) {
        circles_.drawcircles(window, R_, r1_, 2);
        s.restartOnFreshBackground();
        s.flags.okintro = 0;
        platform_.setCursor(CursorShape::cross);
    }
    return 0;
}

}  // namespace trochograph
