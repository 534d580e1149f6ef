#include "engine/renderer.h"

#include <cassert>
#include <string>

#include "common/c_numbers.h"
#include "common/surface.h"
#include "engine/circle_animation.h"
#include "engine/curve_state.h"
#include "engine/drawing_record.h"
#include "engine/visible_area.h"

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

Renderer::Renderer(CurveState& state, Surface& canvas, Surface& window, CircleAnimation& circles,
                   DrawingRecord* record)
    : state_(state),
      canvas_(canvas),
      window_(window),
      circles_(circles),
      record_(record),
      stepper_(state.params, state.progress, memory_)
{
}

StepRequest Renderer::roulette()
{
    if (prepare() && state_.flags.debug) return {0, true};
    const bool complete = drawSegment(true);
    if (record_) record_->afterSteps(state_.progress, complete);
    return {state_.params.speed, false};
}

void Renderer::drawSteps(long long count)
{
    bool complete = false;
    for (long long i = 0; i < count && !complete; ++i) {
        prepare();
        complete = drawSegment(i == 0);
    }
    if (record_) record_->afterSteps(state_.progress, complete);
}

bool Renderer::prepare()
{
    CurveState& s = state_;
    const CurveParameters& p = s.params;
    assert(p.type >= 0 && p.type < curveTypeCount);
    if (s.flags.firstloop) {
        s.flags.firstloop = 0;
        window_.fillRect(visibleArea(p.res, window_.bounds()), p.back);
        canvas_.fillRect({0, 0, p.res, p.res}, p.back);
        if (record_) record_->clear(p.res, p.back);
    }
    if (!s.flags.newcurve) return false;
    s.flags.newcurve = 0;
    s.flags.clearflag = 0;
    stepper_.setUp();
    setUpUnrecorded_ = true;
    return true;
}

bool Renderer::drawSegment(bool checkRecord)
{
    CurveState& s = state_;
    const CurveParameters& p = s.params;
    CurveProgress& g = s.progress;
    const int t = p.type;
    const bool animate = s.flags.animate != 0;
    // The fixed circle goes into the record before the run it lies under.
    const bool fixedCircle = g.theta == 0.0 && animate;
    if (fixedCircle) circles_.drawcircles(window_, g.R, g.r, 0);
    if (record_) {
        if (checkRecord || setUpUnrecorded_ || fixedCircle) record_->beforeSteps(p, g, memory_, setUpUnrecorded_);
        record_->countStep();
    }
    setUpUnrecorded_ = false;

    // While the circles are animated, their frames bring the segment to the window.
    const Rect visible = visibleArea(p.res, window_.bounds());
    LiveSink sink(canvas_, window_, visible, s, animate && t != rhodoneaIrrational ? &circles_ : nullptr);
    const bool complete = stepper_.step(sink);

    if (complete) {
        s.restart();
        s.flags.okroulette = 0;
        if (animate && t <= hypotrochoid) circles_.drawcircles(window_, g.R, g.r, 2);
    }
    return complete;
}

std::string Renderer::closureFigures() const
{
    const CurveParameters& p = state_.params;
    const CurveProgress& g = state_.progress;
    if (p.type == epitrochoid || p.type == hypotrochoid)
        return "revolutions: " + decimalText(memory_.revolutions) + "\nrotations: " + decimalText(memory_.rotations);
    if (p.type == rhodoneaRational) {
        return "kn: " + decimalText(p.kn[2]) + "\nkd: " + decimalText(p.kd[2]) + "\nk: " + fixedText(g.k, 10) +
               "\ntotal radians: " + decimalText(roseClosingHalfTurns(p.kn[2], p.kd[2])) + " * PI";
    }
    return "k: " + fixedText(g.k, 10) + "\nkn: " + decimalText(p.kn[3]) +
           "\ntotal radians: " + decimalTextOrEmpty(2LL * p.kn[3]) + " * PI";
}

}  // namespace trochograph
