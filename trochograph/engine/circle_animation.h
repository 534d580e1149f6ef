// The generating circles shown in motion: the fixed circle, the moving circle with two
// spokes, the arm to the pen tip and a dot on the tip.
#pragma once

#include <memory>
#include <optional>

#include "common/colorref.h"
#include "common/geometry.h"
#include "common/span_recorder.h"
#include "engine/figures.h"

namespace trochograph {

class DrawingRecord;
class Surface;
struct CurveState;

namespace circle_colors {
constexpr Colorref fixedCircle = 0x00FF7F00;
constexpr Colorref movingCircle = 0x000000FF;
constexpr Colorref spokes = 0x00003F7F;
constexpr Colorref armOfTrochoid = 0x0000FFFF;
constexpr Colorref armOfRose = 0x000000FF;
constexpr Colorref penTip = 0x000000FF;
}  // namespace circle_colors

constexpr int circlePenWidth = 3;

// What one frame draws, in canvas pixels.
struct CircleOverlay {
    bool circle = false;  // moving circle and spokes (types 0 and 1)
    Rect circleBox;
    Point spokes[4];      // sp1 -> sp2 and sp3 -> sp4
    bool arm = false;     // not while the intro runs
    Point armFrom, armTo;
    Colorref armColor = 0;
    bool dot = false;     // pen tip of types 0 and 1
};

// How a frame reaches the window. `wholeCanvas` saves, draws over and restores the whole
// canvas and copies the whole visible part at every frame: simple, but its cost grows with
// the canvas. `incremental` gives the same pixels by copying only the runs that changed;
// the whole-canvas way stays as the reference it is checked and measured against.
enum class FrameMode { incremental, wholeCanvas };

class CircleAnimation {
public:
    // `record`, when given, hears of every figure drawn into the canvas after the intro.
    CircleAnimation(const CurveState& state, Surface& canvas, DrawingRecord* record = nullptr);
    ~CircleAnimation();
    CircleAnimation(const CircleAnimation&) = delete;
    CircleAnimation& operator=(const CircleAnimation&) = delete;

    // flag 0 draws the fixed circle into the canvas and the window `hdc`; flag 1 shows one
    // frame of the moving parts in the window and leaves the canvas as it was; flag 2 draws
    // the final frame into the canvas as well. The window shows the canvas as far as its
    // size allows. A flag-1 frame reaches the window at the next showFrame(): of the frames
    // drawn between two showings only the last could be seen, so only the last is drawn.
    // R and r1 are the radii in pixels before scaling. Returns flag.
    int drawcircles(Surface& hdc, double R, double r1, int flag);

    // Brings the window up to date: the canvas as it is now, with the last frame over it.
    void showFrame();

    // The frame the next call would draw, updating the moving circle's centre as that call
    // does. Exposed so that tests can build the frame the plain way.
    CircleOverlay nextOverlay(double r1);
    // Draws a frame's elements into `target`, in their drawing order.
    void drawOverlay(Surface& target, const CircleOverlay& overlay) const;

    void setFrameMode(FrameMode mode) { mode_ = mode; }

    Point center1() const { return center1_; }
    Rect bound() const { return bound_; }

private:
    // Hands each figure of a frame to `use`, in drawing order.
    template <class Use>
    void forEachFigure(const CircleOverlay& overlay, Use use) const;
    // The figure stays in the canvas: the record hears of it.
    void keep(const Figure& figure);
    void wholeCanvasFrame(Surface& window, const Rect& visible, const CircleOverlay& overlay, int flag);
    // Brings the visible part of the window back to the canvas wherever either may differ.
    void syncWindow(Surface& window, const Rect& visible);

    const CurveState& state_;
    Surface& canvas_;
    DrawingRecord* record_;

    FrameMode mode_ = FrameMode::incremental;
    std::unique_ptr<Surface> erase_;  // the whole-canvas save area, made on first use

    // The frame drawn last, not in the window yet.
    struct PendingFrame {
        Surface* window;
        CircleOverlay overlay;
    };
    std::optional<PendingFrame> pending_;

    Point center1_;  // the moving circle's centre at the last frame
    Rect bound_;     // the visible part of the canvas at the last flag-0 call; clips the dot

    // The window matches the canvas in its visible part except where the canvas changed
    // since the last frame and where the last frame's overlay lies. Copying just those
    // runs keeps a frame's cost to the size of the overlay, not of the canvas.
    SpanRecorder canvasChanges_;
    SpanRecorder windowOverlay_;
    const Surface* syncedWindow_ = nullptr;
    Rect syncedVisible_;
    int syncedWidth_ = -1;
    int syncedHeight_ = -1;
};

}  // namespace trochograph
