// The curve renderer: one segment of the current curve per step.
#pragma once

#include <string>

#include "engine/curve_stepper.h"
#include "engine/segment_sink.h"
#include "engine/step_request.h"

namespace trochograph {

class CircleAnimation;
class DrawingRecord;
class Surface;
struct CurveState;

class Renderer {
public:
    // `record`, when given, is kept up to date with what the canvas shows.
    Renderer(CurveState& state, Surface& canvas, Surface& window, CircleAnimation& circles,
             DrawingRecord* record = nullptr);

    // One step: repaints the background if asked, sets a new curve up if asked, then draws
    // one segment into the canvas (and the window), advances theta and ends the curve when
    // theta reaches its closing value; the pause before the next step is the curve's speed.
    // With the debug display on, a set-up ends the step before its segment, asking for the
    // closure figures.
    StepRequest roulette();
    // Up to `count` steps, as many calls of roulette() would draw them but without pauses or
    // closure figures, ending early with the curve. The record checks what changed only
    // before the first: nothing else runs between the steps of one call.
    void drawSteps(long long count);

    // The closure figures of the last set-up, as the debug box shows them.
    std::string closureFigures() const;
    int revolutions() const { return memory_.revolutions; }
    int rotations() const { return memory_.rotations; }

private:
    // Paints the background and sets a new curve up where asked; true after a set-up.
    bool prepare();
    // Draws one segment; `checkRecord`: the record must check what changed since the last
    // step. True when the segment completed the curve.
    bool drawSegment(bool checkRecord);

    CurveState& state_;
    Surface& canvas_;
    Surface& window_;
    CircleAnimation& circles_;
    DrawingRecord* record_;
    StepperMemory memory_;
    CurveStepper stepper_;
    bool setUpUnrecorded_ = false;  // a set-up happened since the record last looked
};

}  // namespace trochograph
