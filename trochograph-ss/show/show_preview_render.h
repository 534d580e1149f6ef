// One preset of the show drawn complete, without a display and without waiting.
#pragma once

#include "common/surface.h"
#include "show/show.h"
#include "show/show_state.h"

namespace trochograph {

// Tells, step by step, when a preset has been drawn complete as the show's first round
// draws it: its curve once, or five times for the turned preset. A curve has ended when the
// first wait after its last point comes; the screen still shows that point's step then.
class PresetEnd {
public:
    explicit PresetEnd(int preset) : drawings_(preset == turnedPreset ? 5 : 1) {}
    // After each step, with the wait it asked for.
    void after(ShowWait wait)
    {
        if (previous_ == ShowWait::point && wait != ShowWait::point) ++ended_;
        previous_ = wait;
    }
    bool reached() const { return ended_ >= drawings_; }

private:
    int drawings_;
    int ended_ = 0;
    ShowWait previous_ = ShowWait::none;
};

// Preset `preset` (0 to 28) on a black res x res canvas as the show's first round draws
// it: colour index preset, 0 for preset 28; preset 5 five times over; preset 14 with d1 20.
// The picture is the screen square as the last point's step leaves it, with the last
// circles over the curve (none for the irrational rose), before the pauses at its end.
// Throws std::bad_alloc when the surfaces can't be had.
Surface renderPreset(int preset, int res);

// The points renderPreset draws, each repeat of the turned preset counted: how far a film
// of the preset has come is told in them. Draws the preset to count them.
long long presetPoints(int preset, int res);

}  // namespace trochograph
