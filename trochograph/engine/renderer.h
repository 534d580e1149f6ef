// The curve renderer: one segment of the current curve per call.
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

    // Repaints the background if asked, sets a new curve up if asked, then draws one
    // segment into the canvas (and the window), advances theta and ends the curve when
    // theta reaches its closing value. Always returns 0.
    int roulette();

    // The closure figures of the last set-up, as the debug box shows them.
    int revolutions() const { return memory_.revolutions; }
    int rotations() const { return memory_.rotations; }

private:
    void showClosure();

    CurveState& state_;
    Surface& canvas_;
    CanvasSink canvasSink_;
    EnginePlatform& platform_;
    CircleAnimation& circles_;
    DrawingRecord* record_;
    StepperMemory memory_;
    CurveStepper stepper_;
};

}  // namespace trochograph
