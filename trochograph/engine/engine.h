// The curve engine as one object: the curve state, the canvas and the three drawing
// procedures that work on them, drawing into the window's picture. It never waits and
// never asks: each step says how long the program should wait before the next one, and
// whether the user is to see the closure figures first.
#pragma once

#include <string>

#include "common/surface.h"
#include "engine/circle_animation.h"
#include "engine/curve_state.h"
#include "engine/drawing_record.h"
#include "engine/intro.h"
#include "engine/renderer.h"

namespace trochograph {

// The grey a new canvas shows until the first curve paints its background.
constexpr Colorref canvasGrey = 0x00808080;

// What the window shows of the canvas: from (0, 0) to the smaller of the canvas side
// and the client area's right and bottom edges.
inline Rect visibleArea(int res, const Rect& client)
{
    const int w = client.right < res ? client.right : res;
    const int h = client.bottom < res ? client.bottom : res;
    return {0, 0, w > 0 ? w : 0, h > 0 ? h : 0};
}

struct Engine {
    // Creates the canvas at the state's start resolution, filled grey. `window` is the
    // picture the user sees in the main window's client area, as large as that area (0 x 0
    // without a window); apart from what the engine draws into it, its part that shows the
    // canvas must match the canvas: the window repaints it from the canvas when it changes it.
    explicit Engine(Surface& window);

    // Something is being drawn: the intro or a curve.
    bool drawing() const { return state.flags.okintro || state.flags.okroulette; }
    // One step of what is being drawn: a frame of the intro, or one segment of the curve
    // with its circles. Nothing while nothing is drawn.
    StepRequest step();
    // Brings the window up to date with the steps drawn since the last call: the circles'
    // last frame, when they are animated. Called before the window is shown.
    void showFrame() { circles.showFrame(); }
    // The closure figures of the last set-up, as the debug display shows them.
    std::string closureFigures() const { return renderer.closureFigures(); }

    // New parameters from a dialog or a file, in force from the next step on: a paused
    // curve resumes with them. A new canvas side is applied at once (changeResolution).
    void setParameters(const CurveParameters& parameters);
    // A new canvas side: res and halfres change and the canvas is rebuilt grey.
    void rebuildCanvas(int res);
    // A new canvas side while the window shows the old one: the window's client area turns
    // grey too, and the curve starts again from its beginning on a fresh background.
    void changeResolution(int res);
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

    // Draws the current curve whole, from its first segment to its last, on a picture
    // cleared to the background first, as a Render command after the intro would.
    void drawWholeCurve();

    Surface& window;
    CurveState state;
    Surface canvas;  // the virtual canvas
    DrawingRecord record;  // the curves the canvas shows
    CircleAnimation circles;
    Renderer renderer;
    Intro introAnimation;

private:
    bool recordOnly_ = false;
};

}  // namespace trochograph
