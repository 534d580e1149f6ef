// What one step of the engine asks of the program before the next one.
#pragma once

namespace trochograph {

struct StepRequest {
    int waitMs = 0;  // the pause before the next step
    // The debug display is on and a curve was just set up: its closure figures are shown
    // before its first segment is drawn.
    bool closureFigures = false;

    friend bool operator==(const StepRequest&, const StepRequest&) = default;
};

// How long the intro pauses after each frame.
inline constexpr int introFrameMs = 5;

}  // namespace trochograph
