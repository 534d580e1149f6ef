// The curve engine as one object: the curve state, the canvas and the three drawing
// procedures that work on them, wired to the platform the program runs on.
#pragma once

#include "circle_animation.h"
#include "curve_state.h"
#include "drawing_record.h"
#include "intro.h"
#include "renderer.h"
#include "surface.h"

namespace trochograph {

class EnginePlatform;

// The grey a new canvas shows until the first curve paints its background.
constexpr Colorref canvasGrey = 0x00808080;

struct Engine {
    // Creates the canvas at the state's start resolution, filled grey.
    explicit Engine(EnginePlatform& platform);

    // New parameters from a dialog or a file, in force from the next step on: a paused
    // curve resumes with them. A new canvas side is applied at once (changeResolution).
    void setParameters(const CurveParameters& parameters);
    // d of the current type becomes the focal distance of the ellipse whose semi-major axis
    // is the moving radius and whose axes are in the ratio en : ed; the curve restarts.
    void setDistanceToFocus();

    // A new canvas side: res and halfres change and the canvas is rebuilt grey.
    void rebuildCanvas(int res);
    // A new canvas side while the window shows the old one: the window's client area turns
    // grey too, and the curve starts again from its beginning on a fresh background.
    void changeResolution(int res);
    // A canvas side whose curves are only recorded: the pixel canvas is a single pixel, so
    // that a picture far larger than a raster canvas can hold is painted from the record.
    void recordOnly(int res);
    // The canvas filled grey again, its record emptied.
    void clearCanvas();

    int roulette() { return renderer.roulette(); }
    // Draws the current curve whole, from its first segment to its last, on a picture
    // cleared to the background first, as a Render command after the intro would.
    void drawWholeCurve();
    int intro() { return introAnimation.intro(); }

    EnginePlatform& platform;
    CurveState state;
    Surface canvas;  // the virtual canvas
    DrawingRecord record;  // the curves the canvas shows
    CircleAnimation circles;
    Renderer renderer;
    Intro introAnimation;
};

}  // namespace trochograph
