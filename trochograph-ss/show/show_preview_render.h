// One preset of the show drawn complete, without a display and without waiting.
#pragma once

#include "common/surface.h"

namespace trochograph {

// Preset `preset` (0 to 28) on a black res x res canvas as the show's first round draws
// it: colour index preset, 0 for preset 28; preset 5 five times over; preset 14 with d1 20.
// The picture is the screen square as the last point's step leaves it, with the last
// circles over the curve (none for the irrational rose), before the pauses at its end.
// Throws std::bad_alloc when the surfaces can't be had.
Surface renderPreset(int preset, int res);

}  // namespace trochograph
