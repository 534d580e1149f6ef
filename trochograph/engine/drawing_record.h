// What the canvas shows, as curves rather than pixels: the background it was last cleared
// to and every run of steps drawn since, each kept as the parameters, progress and stepper
// memory it began with plus its number of steps. A step continues the last run only when
// the parameters are those the run began with and the progress is where the run's last
// step left it; anything that changed between two renderer calls (a dialog, a file, a
// command) starts a new run. Replaying the runs through the curve stepper gives every
// segment again, exactly, for any sink, at a few hundred bytes a run whatever its length.
//
// Not recorded: the circles of the circle animation and the intro's drawing.
#pragma once

#include <vector>

#include "engine/curve_state.h"
#include "engine/curve_stepper.h"
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
        if (!same) runs_.push_back({parameters, progress, memory, 0});
    }
    // Each step the renderer draws counts in the last run.
    void countStep() { ++runs_.back().steps; }
    // Called after the last step of a renderer call with the progress the next step
    // should start from; a complete curve's next step is a new curve's set-up. A curve
    // drawn again over itself leaves the canvas as it was, so one run stands for both: a
    // window left drawing the same curve all day keeps a record of one.
    void afterSteps(const CurveProgress& progress, bool complete)
    {
        continuing_ = !complete;
        expected_ = progress;
        if (complete && runs_.size() >= 2 && runs_.back() == runs_[runs_.size() - 2]) runs_.pop_back();
    }

    int res() const { return res_; }
    Colorref background() const { return background_; }
    const std::vector<RecordedRun>& runs() const { return runs_; }

    // Hands every recorded segment to the sink, in the order drawn.
    void replay(SegmentSink& sink) const;

private:
    int res_ = 0;
    Colorref background_ = 0;
    std::vector<RecordedRun> runs_;
    CurveProgress expected_;
    bool continuing_ = false;  // the last run goes on with the next step
};

}  // namespace trochograph
