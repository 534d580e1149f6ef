#include "engine/drawing_record.h"

namespace trochograph {

void DrawingRecord::clear(int res, Colorref background)
{
    res_ = res;
    background_ = background;
    runs_.clear();
    continuing_ = false;
}

void DrawingRecord::replay(SegmentSink& sink) const
{
    for (const RecordedRun& run : runs_) {
        CurveParameters parameters = run.parameters;
        CurveProgress progress = run.progress;
        StepperMemory memory = run.memory;
        CurveStepper stepper(parameters, progress, memory);
        for (long long i = 0; i < run.steps; ++i) stepper.step(sink);
    }
}

}  // namespace trochograph
