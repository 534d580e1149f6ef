#include "engine/intro.h"

#include <cmath>

#include "common/surface.h"
#include "engine/circle_animation.h"
#include "engine/curve_state.h"
#include "engine/visible_area.h"

namespace trochograph {

Intro::Intro(CurveState& state, Surface& canvas, Surface& window, CircleAnimation& circles)
    : state_(state), canvas_(canvas), window_(window), circles_(circles)
{
}

StepRequest Intro::intro()
{
    CurveState& s = state_;
    const CurveParameters& p = s.params;
    CurveProgress& g = s.progress;

    if (first_) {
        first_ = 0;
        window_.fillRect(visibleArea(p.res, window_.bounds()), p.back);
        canvas_.fillRect({0, 0, p.res, p.res}, p.back);
        g.theta = 0.0;
        g.delta = 0.0;
        R_ = p.halfres() * 0.4;
        r1_ = p.halfres() * 0.25;
        R_plus_r1_ = R_ + r1_;
        R_over_r1_plus_1_ = R_ / r1_ + 1;
    }
    if (g.theta == 0.0) circles_.drawcircles(window_, R_, r1_, 0);

    // The centre follows theta before the step, the turning angle theta after it.
    g.center1x = std::cos(g.theta) * R_plus_r1_;
    g.center1y = std::sin(g.theta) * R_plus_r1_;
    g.theta += 0.01;
    g.delta = -R_over_r1_plus_1_ * g.theta;
    circles_.drawcircles(window_, R_, r1_, 1);

    if (s.flags.stopintro) {
        circles_.drawcircles(window_, R_, r1_, 2);
        s.restartOnFreshBackground();
        s.flags.okintro = 0;
    }
    return {introFrameMs, false};
}

}  // namespace trochograph
