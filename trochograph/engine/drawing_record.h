// What the canvas shows, as curves rather than pixels: the background it was last cleared
// to and every run of steps drawn since, each kept as the curve state and stepper memory it
// began with plus its number of steps. A run is a curve from its set-up, or the rest of a
// curve resumed after something that changes its drawing (colours, pen, palette, angle).
// Replaying the runs through the curve stepper gives every segment again, exactly, for
// any sink: so a record costs a few kilobytes per curve whatever its length.
//
// Not recorded: the circles of the circle animation and the intro's drawing.
#pragma once

#include <vector>

#include "curve_state.h"
#include "curve_stepper.h"
#include "segment_sink.h"

namespace trochograph {

struct RecordedRun {
    CurveState state;  // as the run's first step began
    StepperMemory memory;
    long long steps = 0;
};

class DrawingRecord {
public:
    // The canvas was filled with `background`; what it showed before is gone.
    void clear(int res, Colorref background);

    // Called before each step of the renderer. `setUp`: the step follows a curve's set-up.
    // Inline, for the common case of one more step of the same run costs the renderer next
    // to nothing.
    void beforeStep(const CurveState& state, const StepperMemory& memory, bool setUp)
    {
        if (!setUp && continuing_ && watch(state) == expected_)
            ++runs_.back().steps;
        else
            beginRun(state, memory);
    }
    // Called after each step, with the state the next step should start from.
    void afterStep(const CurveState& state)
    {
        // A closed curve's next step is a new curve's set-up. Of the watched values a step
        // changes only the angle.
        continuing_ = !state.newcurve;
        expected_.theta = state.theta;
    }

    int res() const { return res_; }
    Colorref background() const { return background_; }
    const std::vector<RecordedRun>& runs() const { return runs_; }

    // Hands every recorded segment to the sink, in the order drawn.
    void replay(SegmentSink& sink) const;

private:
    // The values that a command or dialog may change between two steps, and that change
    // what the next step draws.
    struct Watch {
        int type, res, width, multicolor, ellipse, method, paletteVersion;
        Colorref fore;
        double theta, increment, scale, rottheta;
        friend bool operator==(const Watch&, const Watch&) = default;
    };
    static Watch watch(const CurveState& s)
    {
        return {s.type, s.res,   s.width,     s.multicolor,    s.ellipse,   s.method, s.paletteVersion,
                s.fore, s.theta, s.increment, s.scale[s.type], s.rottheta};
    }
    void beginRun(const CurveState& state, const StepperMemory& memory);

    int res_ = 0;
    Colorref background_ = 0;
    std::vector<RecordedRun> runs_;
    Watch expected_{};
    bool continuing_ = false;  // the last run goes on with the next step
};

}  // namespace trochograph
