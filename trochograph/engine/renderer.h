// The curve renderer: one segment of the current curve per step.
#pragma once

#include "curve_stepper.h"
#include "segment_sink.h"

namespace trochograph {

class CircleAnimation;
class DrawingRecord;
class EnginePlatform;
class Surface;
struct CurveState;

class Renderer {
public:
    // `record`, when given, is kept up to date with what the canvas shows.
    Renderer(CurveState& state, Surface& canvas, EnginePlatform& platform, CircleAnimation& circles,
             DrawingRecord* record = nullptr);

    // One step: repaints the background if asked, sets a new curve up if asked, then draws
    // one segment into the canvas (and the window), advances theta and ends the curve when
    // theta reaches its closing value. Always returns 0.
    int roulette();
    // Up to `count` steps, as many calls of roulette() would draw them, ending early with
    // the curve. The record checks what changed only before the first: nothing else runs
    // between the steps of one call.
    void drawSteps(long long count);

    // The closure figures of the last set-up, as the debug box shows them.
    int revolutions() const { return memory_.revolutions; }
    int rotations() const { return memory_.rotations; }

private:
    // One step; `checkRecord`: the record must check what changed since the last step.
    // True when the step completed the curve.
    bool step(bool checkRecord);
    void showClosure();

    CurveState& state_;
    Surface& canvas_;
    EnginePlatform& platform_;
    CircleAnimation& circles_;
    DrawingRecord* record_;
    StepperMemory memory_;
    CurveStepper stepper_;
};

}  // namespace trochograph
