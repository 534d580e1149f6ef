// The unattended show: the 29 presets drawn one after another, forever, a segment per
// step, with their generating circles, colours and pauses.
//
// Shaped like a screensaver hack: one object made at start, and step() draws one step and
// says how long to wait before the next one, the pause after a point and the pauses of a
// second at a curve's start and end and of four seconds after it alike. The caller
// schedules the next step; nothing here sleeps.
#pragma once

#include <memory>

#include "show/show_circles.h"
#include "show/show_state.h"

namespace trochograph {

class ShowPlatform;
class Surface;

// What the wait that step() returned is for.
enum class ShowWait {
    none,           // no step yet
    fixedCircle,    // 1 s after the fixed circle, at a curve's start
    point,          // the pause after a point: none for preset 6, 1 ms for 7, else speed()
    lastCircles,    // 1 s with the last circles shown, at a curve's end
    finishedCurve,  // 4 s with the finished curve
};

class Show {
public:
    // A show on a screen of xscreen x res pixels; the canvas is res x res, black.
    Show(ShowPlatform& platform, int xscreen, int res);
    ~Show();
    Show(const Show&) = delete;
    Show& operator=(const Show&) = delete;

    // Draws one step; returns the milliseconds to wait before the next. A step goes from
    // where the last one stopped to the next wait, so a wait in the middle of a point's
    // work (after the fixed circle, after the point, at the curve's end) ends the call and
    // the next call carries on from there.
    int step();

    // The pause after each point, in milliseconds, for the presets that use it.
    void setSpeed(int milliseconds);
    int speed() const;

    // Whether the wait that step() just asked for is one of the long pauses (at a curve's
    // start and end, and after it), during which input waits for the pause to end.
    bool inLongPause() const;

    const ShowState& state() const;
    const Surface& canvas() const;

    // Which of the waits step() just returned.
    ShowWait lastWait() const;

    // Goes on with a fresh curve of `preset` in colour index `colorIndex` on a cleared
    // square, as if the presets before it had just been drawn.
    void startAt(int preset, int colorIndex);

    // Incremental by default; the whole-canvas way gives the same pixels more slowly.
    void setFrameMode(ShowFrameMode mode);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace trochograph
