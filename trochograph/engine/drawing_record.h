// What the canvas shows, as curves and figures rather than pixels: the background it was
// last cleared to and, in the order drawn since, every run of steps and every figure the
// circle animation left in the canvas (the fixed circle, the last frame of the moving
// parts). A run is kept as the parameters, progress and stepper memory it began with plus
// its number of steps. A step continues the last run only when nothing was recorded after
// it, the parameters are those the run began with and the progress is where the run's last
// step left it; anything that changed between two renderer calls (a dialog, a file, a
// command) starts a new run. Replaying the record through the curve stepper gives every
// segment and figure again, exactly, for any sink, at a few hundred bytes a run whatever
// its length and a few dozen a figure.
//
// The intro's drawing is not recorded: the first curve after it clears the canvas.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/curve_state.h"
#include "engine/curve_stepper.h"
#include "engine/figures.h"
#include "engine/segment_sink.h"

namespace trochograph {

struct RecordedRun {
    // As the run's first step began.
    CurveParameters parameters;
    CurveProgress progress;
    StepperMemory memory;
    long long steps = 0;

    friend bool operator==(const RecordedRun&, const RecordedRun&) = default;
};

class DrawingRecord {
public:
    // The canvas was filled with `background`; what it showed before is gone.
    void clear(int res, Colorref background);

    // Called before the first step of each renderer call, and after a set-up. The step
    // continues the last run when it follows no set-up, the parameters are those the run
    // began with and the progress is where the run's last step left it; else it begins a
    // new run.
    void beforeSteps(const CurveParameters& parameters, const CurveProgress& progress, const StepperMemory& memory,
                     bool setUp)
    {
        const bool same = !setUp && continuing_ && progress == expected_ && parameters == runs_.back().parameters;
        if (same) return;
        runs_.push_back({parameters, progress, memory, 0});
        order_.push_back(Entry::run);
    }
    // Each step the renderer draws counts in the last run.
    void countStep() { ++runs_.back().steps; }
    // Called after the last step of a renderer call with the progress the next step
    // should start from; a complete curve's next step is a new curve's set-up.
    void afterSteps(const CurveProgress& progress, bool complete)
    {
        continuing_ = !complete && !order_.empty() && order_.back() == Entry::run;
        expected_ = progress;
        if (complete) endCurve();
    }
    // A figure drawn into the canvas, over everything before it.
    void figure(const Figure& f)
    {
        figures_.push_back(f);
        order_.push_back(Entry::figure);
        continuing_ = false;
    }

    int res() const { return res_; }
    Colorref background() const { return background_; }
    const std::vector<RecordedRun>& runs() const { return runs_; }
    const std::vector<Figure>& figures() const { return figures_; }

    // Hands every recorded segment and figure to the sink, in the order drawn.
    void replay(DrawingSink& sink) const;

private:
    enum class Entry : std::uint8_t { run, figure };

    // A curve drawn again over itself, circles and all, leaves the canvas as it was, so
    // one drawing stands for both: a window left drawing the same curve all day keeps a
    // record of one.
    void endCurve();

    int res_ = 0;
    Colorref background_ = 0;
    std::vector<RecordedRun> runs_;
    std::vector<Figure> figures_;
    std::vector<Entry> order_;  // which of the two comes next, in the order drawn
    std::size_t curveStart_ = 0;  // the entries before it were drawn before the current curve
    CurveProgress expected_;
    bool continuing_ = false;  // the last run goes on with the next step
};

}  // namespace trochograph
