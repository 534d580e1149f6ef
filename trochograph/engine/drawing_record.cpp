#include "drawing_record.h"

namespace trochograph {

void DrawingRecord::clear(int res, Colorref background)
{
    res_ = res;
    background_ = background;
    runs_.clear();
    continuing_ = false;
}

void DrawingRecord::beginRun(const CurveState& state, const StepperMemory& memory)
{
    runs_.push_back({state, memory, 1});
    expected_ = watch(state);
}

void DrawingRecord::replay(SegmentSink& sink) const
{
    for (const RecordedRun& run : runs_) {
        CurveState state = run.state;
        StepperMemory memory = run.memory;
        CurveStepper stepper(state, memory);
        Segment segment;
        for (long long i = 0; i < run.steps; ++i) {
            stepper.locatePen();
            if (stepper.segment(segment)) sink.segment(segment);
            stepper.advance();
            if (stepper.ellipseActive()) stepper.stepEllipse();
        }
    }
}

}  // namespace trochograph
