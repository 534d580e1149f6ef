// The curve engine as one object: the curve state, the canvas and the three drawing
// procedures that work on them, drawing into the window's picture. It never waits and
// never asks: each step says how long the program should wait before the next one, and
// whether the user is to see the closure figures first. Callers read the state, the canvas
// and the record, and change them only through the operations below.
#pragma once

#include <string>

#include "common/surface.h"
#include "engine/circle_animation.h"
#include "engine/curve_edit.h"
#include "engine/curve_state.h"
#include "engine/drawing_record.h"
#include "engine/intro.h"
#include "engine/renderer.h"
#include "engine/visible_area.h"

namespace trochograph {

class Engine {
public:
    // Creates the canvas at the start state's resolution, filled grey. `window` is the
    // picture the user sees in the main window's client area, as large as that area (0 x 0
    // without a window); apart from what the engine draws into it, its part that shows the
    // canvas must match the canvas: the window repaints it from the canvas when it changes it.
    explicit Engine(Surface& window, const CurveState& start = {});
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    const CurveState& state() const { return state_; }
    const CurveParameters& parameters() const { return state_.params; }
    const Surface& canvas() const { return canvas_; }
    // The curves the canvas shows.
    const DrawingRecord& record() const { return record_; }
    const Renderer& renderer() const { return renderer_; }
    const CircleAnimation& circles() const { return circles_; }
    const Intro& intro() const { return intro_; }

    // Something is being drawn: the intro or a curve.
    bool drawing() const { return state_.flags.okintro || state_.flags.okroulette; }
    // One step of what is being drawn: a frame of the intro, or one segment of the curve
    // with its circles. Nothing while nothing is drawn.
    StepRequest step();
    // Up to `count` segments of the curve in one go, without pauses or closure figures,
    // ending early with the curve.
    void drawSteps(long long count) { renderer_.drawSteps(count); }
    // The whole curve is to be drawn from its start on a fresh background, the intro over.
    void startWholeCurve() { state_.startWholeCurve(); }
    // Draws the current curve whole, from its first segment to its last, on a picture
    // cleared to the background first, as a Render command after the intro would.
    void drawWholeCurve();
    // Brings the window up to date with the steps drawn since the last call: the circles'
    // last frame, when they are animated. Called before the window is shown.
    void showFrame() { circles_.showFrame(); }
    // The closure figures of the last set-up, as the debug display shows them.
    std::string closureFigures() const { return renderer_.closureFigures(); }

    // The curve is drawn from the next step on, or stops after the step drawn last.
    void render() { state_.flags.okroulette = 1; }
    void pause() { state_.flags.okroulette = 0; }
    // The intro ends at its next step, leaving its last frame in the picture.
    void stopIntro() { state_.flags.stopintro = 1; }
    void setAnimate(bool on) { state_.flags.animate = on ? 1 : 0; }
    void setDebug(bool on) { state_.flags.debug = on ? 1 : 0; }

    // New parameters from a dialog or a file, in force from the next step on: a paused
    // curve resumes with them. A new canvas side is applied at once: the window's client
    // area turns grey, the canvas is rebuilt and the curve starts again on a fresh
    // background.
    void setParameters(const CurveParameters& parameters);
    // What a curve dialog left behind, `defaults` being the built-in values it may restore.
    void apply(const CurveEdit& edit, const RestoreValues& defaults);
    // Takes `state` whole (parameters, progress and flags), as another engine left it; a
    // new side rebuilds the canvas.
    void setState(const CurveState& state);
    // The curve starts again from its beginning at the next step: over the present picture,
    // or on one first cleared to the background colour.
    void restart() { state_.restart(); }
    void restartOnFreshBackground() { state_.restartOnFreshBackground(); }

    // A new canvas side: res and halfres change and the canvas is rebuilt grey.
    void rebuildCanvas(int res);
    // A canvas side whose curves are only recorded, from now on: the pixel canvas is a single
    // pixel whatever the side, so that a picture far larger than a raster canvas can hold is
    // painted from the record.
    void recordOnly(int res);
    // The window and the canvas grey again, the record emptied, and the next curve starts
    // on a fresh background.
    void clearScreen();
    // The fixed circle of the curve drawn so far, when the animation is switched on in the
    // middle of it.
    void showFixedCircle();
    // Draws the circles' frame for the present moment into the canvas, where it stays, as
    // the end of an animated curve does.
    void keepCirclesFrame();
    // Copies `area` of `picture` into the canvas at the same place: what a preview covered
    // in the window comes back in the canvas too.
    void putBack(const Surface& picture, const Rect& area);

private:
    // Tests and benchmarks reach its members through it to set up states no command makes.
    friend struct EngineProbe;

    void changeResolution(int res);

    Surface& window_;
    CurveState state_;
    Surface canvas_;  // the virtual canvas
    DrawingRecord record_;
    CircleAnimation circles_;
    Renderer renderer_;
    Intro intro_;
    bool recordOnly_ = false;
};

}  // namespace trochograph
