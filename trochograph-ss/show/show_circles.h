// The show's generating circles: the fixed circle at a curve's start, and at every point the
// moving circles with their diameters, the link between their centres, the pen arm and the
// pen mark, shown on the screen over the canvas without staying in it.
#pragma once

#include <memory>

#include "common/colorref.h"
#include "common/geometry.h"
#include "common/span_recorder.h"

namespace trochograph {

class ShowPlatform;
class Surface;
struct ShowState;

namespace show_colors {
constexpr Colorref fixedCircle = 0x00FF7F00;
constexpr Colorref firstCircle = 0x000000FF;
constexpr Colorref firstDiameters = 0x00003F7F;
constexpr Colorref secondCircle = 0x003FAF00;
constexpr Colorref secondDiameters = 0x003F7F00;
constexpr Colorref centreLink = 0x00FF00FF;
constexpr Colorref armOfCircles = 0x0000FFFF;
constexpr Colorref armOfRose = 0x000000FF;
constexpr Colorref penMark = 0x000000FF;
}  // namespace show_colors

constexpr int showCirclePen = 3;

// How a frame reaches the screen. `wholeCanvas` saves the canvas, draws the circles into it,
// copies all of it to the screen and puts the saved copy back: three copies of the canvas
// per point. `incremental` gives the same pixels by drawing the circles straight into the
// screen square and copying back only the runs that changed, so that a frame costs what
// the circles cover; the whole-canvas way stays as the reference it is checked against.
enum class ShowFrameMode { incremental, wholeCanvas };

class ShowCircles {
public:
    ShowCircles(const ShowState& state, Surface& canvas, ShowPlatform& platform);
    ~ShowCircles();
    ShowCircles(const ShowCircles&) = delete;
    ShowCircles& operator=(const ShowCircles&) = delete;

    // Radii in pixels. Flag 0 draws the fixed circle into the canvas and the screen; flag 1
    // shows one frame on the screen and leaves the canvas as it was; flag 2, the end of a
    // curve, stops where the circles stay on the screen for a while: showCanvas() finishes
    // it. The waits are the caller's. Returns flag.
    int drawcircles(double R, double r1, double r2, int flag);
    // The screen square shows the canvas again, without the circles.
    void showCanvas();

    void setFrameMode(ShowFrameMode mode);

    // The area of the canvas the pen mark may cover, taken at each flag-0 call.
    Rect bound() const { return bound_; }

private:
    // Draws a frame's elements into `target` in their order, moved right by `dx` pixels.
    void drawFrame(Surface& target, int dx, double r1, double r2) const;
    // Brings the screen square back to the canvas wherever the two may differ.
    void syncScreen();

    const ShowState& state_;
    Surface& canvas_;
    ShowPlatform& platform_;
    ShowFrameMode mode_ = ShowFrameMode::incremental;
    std::unique_ptr<Surface> erase_;  // the whole-canvas save area, made on first use
    Rect bound_;

    // The screen square matches the canvas except where the canvas changed since the last
    // frame and where the last frame's circles lie.
    SpanRecorder canvasChanges_;
    SpanRecorder screenFrame_;
    const Surface* syncedScreen_ = nullptr;
    int syncedWidth_ = -1;
    int syncedHeight_ = -1;
    int syncedLeft_ = 0;
};

}  // namespace trochograph
