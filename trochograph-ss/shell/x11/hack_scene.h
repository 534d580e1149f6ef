// The show at one size of the hack's window: the show's screen placed by hackLayout, the
// renderer drawing into it, and the window's picture presenting it. A window that changes
// size gets a new scene, and the show starts over.
#pragma once

#include "common/span_recorder.h"
#include "common/surface.h"
#include "shell/hack_layout.h"
#include "shell/x11/x_window_picture.h"
#include "show/headless_show_platform.h"
#include "show/show.h"

namespace trochograph {

class HackScene {
public:
    // `delay`: the pause after each point in milliseconds. Throws std::bad_alloc when the
    // pictures can't be had.
    HackScene(const XTarget& target, int width, int height, int delay);

    // Like the full-screen show's turn: draws steps until one asks for a pause or a turn's
    // time is up, presents what they drew and returns the pause in milliseconds.
    int turn();
    void repaint() { picture_.repaint(); }

private:
    HackLayout layout_;
    Surface screen_;
    SpanRecorder changes_;
    HeadlessShowPlatform platform_{screen_};  // there is no cursor to pin
    Show show_;
    XWindowPicture picture_;
};

}  // namespace trochograph
