#include "drawing_record.h"

namespace trochograph {

DrawingRecord::Watch DrawingRecord::watch(const CurveState& s)
{
    return {s.type,  s.res,  s.width,     s.multicolor, s.ellipse,      s.method, s.paletteVersion,
            s.fore,  s.theta, s.increment, s.scale[s.type], s.rottheta};
}

void DrawingRecord::clear(int res, Colorref background)
{
    res_ = res;
    background_ = background;
    runs_.clear();
    continuing_ = false;
}

void DrawingRecord::beforeStep(const CurveState& state, const StepperMemory& memory, bool setUp)
{
    if (setUp || !continuing_ || watch(state) != expected_) runs_.push_back({state, memory, 0});
    ++runs_.back().steps;
}

void DrawingRecord::afterStep(const CurveState& state)
{
    // A closed curve's next step is a new curve's set-up.
    continuing_ = !state.newcurve;
    if (continuing_) expected_ = watch(state);
}

void DrawingRecord::replay(SegmentSink& sink) const
{
    for (const RecordedRun& run : runs_) {
        CurveState state = run.state;
        StepperMemory memory = run.memory;
        CurveStepper stepper(state, memory);
        for (long long i = 0; i < run.steps; ++i) {
            stepper.locatePen();
            if (const auto segment = stepper.segment()) sink.segment(*segment);
            stepper.advance();
            if (stepper.ellipseActive()) stepper.stepEllipse();
        }
    }
}

}  // namespace trochograph
