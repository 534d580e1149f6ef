#include "renderer.h"

#include <cassert>
#include <string>

#include "c_numbers.h"
#include "circle_animation.h"
#include "drawing_record.h"
#include "curve_state.h"
#include "engine_platform.h"
#include "surface.h"

namespace trochograph {

namespace {

// The live drawing of one step: the segment into the canvas and, where the window shows
// it and no circle frames bring it there, into the window; and the circles' frame.
class LiveSink final : public SegmentSink {
public:
    LiveSink(Surface& canvas, Surface& window, const Rect& visible, const CurveState& state, CircleAnimation* circles)
        : canvas_(canvas), window_(window), visible_(visible), state_(state), circles_(circles)
    {
    }
    void segment(const Segment& s) override
    {
        canvas_.segment(s);
        if (!circles_ && s.from.x < visible_.right && s.to.x < visible_.right && s.from.y < visible_.bottom &&
            s.to.y < visible_.bottom)
            window_.line(s.from, s.to, s.width, s.color);
    }
    void advanced() override
    {
        if (circles_) circles_->drawcircles(window_, state_.progress.R, state_.progress.r, 1);
    }

private:
    CanvasSink canvas_;
    Surface& window_;
    const Rect& visible_;
    const CurveState& state_;
    CircleAnimation* circles_;
};

}  // namespace

Renderer::Renderer(CurveState& state, Surface& canvas, EnginePlatform& platform, CircleAnimation& circles,
                   DrawingRecord* record)
    : state_(state),
      canvas_(canvas),
      platform_(platform),
      circles_(circles),
      record_(record),
      stepper_(state.params, state.progress, memory_)
{
}

int Renderer::roulette()
{
    drawSteps(1);
    return 0;
}

void Renderer::drawSteps(long long count)
{
    bool complete = false;
    for (long long i = 0; i < count && !complete; ++i) complete = step(i == 0);
    if (record_) record_->afterSteps(state_.progress, complete);
}

bool Renderer::step(bool checkRecord)
{
    CurveState& s = state_;
    const CurveParameters& p = s.params;
    CurveProgress& g = s.progress;
    assert(p.type >= 0 && p.type < curveTypeCount);
    Surface& window = platform_.windowSurface();
    const Rect visible = visibleArea(p.res, platform_.clientRect());

    if (s.flags.firstloop) {
        s.flags.firstloop = 0;
        window.fillRect(visible, p.back);
        canvas_.fillRect({0, 0, p.res, p.res}, p.back);
        if (record_) record_->clear(p.res, p.back);
    }
    const bool setUp = s.flags.newcurve != 0;
    if (setUp) {
        s.flags.newcurve = 0;
        s.flags.clearflag = 0;
        platform_.setCursor(CursorShape::wait);
        stepper_.setUp();
        if (s.flags.debug) showClosure();
    }
    if (record_) {
        if (checkRecord || setUp) record_->beforeSteps(p, g, memory_, setUp);
        record_->countStep();
    }

    const int t = p.type;
    const bool animate = s.flags.animate != 0;
    if (g.theta == 0.0 && animate) circles_.drawcircles(window, g.R, g.r, 0);
    // While the circles are animated, their frames bring the segment to the window.
    LiveSink sink(canvas_, window, visible, s, animate && t != rhodoneaIrrational ? &circles_ : nullptr);
    const bool complete = stepper_.step(sink);
    if (p.speed != 0) platform_.sleepMs(p.speed);

    if (complete) {
        s.restart();
        s.flags.okroulette = 0;
        if (animate && t <= hypotrochoid) circles_.drawcircles(window, g.R, g.r, 2);
        platform_.setCursor(CursorShape::cross);
    }
    return complete;
}

void Renderer::showClosure()
{
    const CurveParameters& p = state_.params;
    const CurveProgress& g = state_.progress;
    std::string text;
    if (p.type == epitrochoid || p.type == hypotrochoid) {
        text = "revolutions: " + decimalText(memory_.revolutions) + "\nrotations: " + decimalText(memory_.rotations);
    } else if (p.type == rhodoneaRational) {
        const bool bothOdd = p.kn[2] % 2 == 1 && p.kd[2] % 2 == 1;
        text = "kn: " + decimalText(p.kn[2]) + "\nkd: " + decimalText(p.kd[2]) + "\nk: " + fixedText(g.k, 10) +
               "\ntotal radians: " + decimalText(bothOdd ? p.kd[2] : 2 * p.kd[2]) + " * PI";
    } else {
        text = "k: " + fixedText(g.k, 10) + "\nkn: " + decimalText(p.kn[3]) +
               "\ntotal radians: " + decimalTextOrEmpty(2LL * p.kn[3]) + " * PI";
    }
    platform_.showInformation(text, "Vell Varezuro");
}

}  // namespace trochograph
