// The accepted range of every parameter a user can set, in one place: the parameter
// dialogs, the parameter files and the command line check against these.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>

#include "common/canvas_limits.h"
#include "common/range.h"
#include "engine/curve_parameters.h"
#include "engine/rotate.h"

namespace trochograph {

namespace limits {
// resolution and smoothSide, the canvas side, are in canvas_limits.h, which the show shares.
constexpr Range<int> lineWidth{1, 5};        // pixels
constexpr Range<int> radiusPercent{5, 100};  // R and r, in percent of halfres
constexpr Range<double> distancePercent{0.0, 100.0};  // d, in percent of halfres
constexpr Range<double> scale{0.1, 5.0};
constexpr Range<double> offsetAngle{0.0, 359.0};  // degrees
constexpr HalfOpenRange<double> rotation{0.0, twoPi};  // the same offset in radians
// The renderer's angle step, radians; any finite step above the low end. The program
// writes 0.01; at the low end the longest curve, about 200 pi, takes some 6.3 million
// steps, and far below it theta would stop growing and the curve never end.
constexpr Range<double> increment{1e-4, std::numeric_limits<double>::max()};
constexpr Range<int> relativeSpeed{1, 10};        // 10 draws without pausing
constexpr Range<int> petalFactor{1, 16};          // kn and kd of the rational rose
constexpr Range<int> circuits{1, 100};            // kn of the irrational rose
constexpr Range<int> axis{1, 100};                // en and ed, the ellipse's axis ratio
constexpr Range<int> rounding{0, 10};             // 0 for none
constexpr Range<int> colorComponent{0, 255};
constexpr Range<int> kindex{0, static_cast<int>(ki.size()) - 1};
// Bytes of the parameter text a PNG picture carries; ours take about 2 KiB.
constexpr std::size_t parameterTextBytes = 16 * 1024;

// The ellipse's minor axis is at most its major one.
constexpr bool axesInOrder(int minor, int major) { return minor <= major; }
// A hypotrochoid's circles differ in size: a circle can't roll inside one of its own size.
constexpr bool radiiDiffer(int type, int R, int r) { return type != hypotrochoid || R != r; }

// kn counts petals or circuits of the roses; the trochoids don't use it, so any value goes.
constexpr std::optional<Range<int>> kn(int type)
{
    if (type == rhodoneaRational) return petalFactor;
    if (type == rhodoneaIrrational) return circuits;
    return std::nullopt;
}
}  // namespace limits

// The pause after each point for a relative speed 1 to 10: 17 ms down to 1 ms, and none
// at 10; and back.
constexpr int speedDelay(int relativeSpeed) { return relativeSpeed == 10 ? 0 : 19 - 2 * relativeSpeed; }
constexpr int relativeSpeed(int delay) { return delay == 0 ? 10 : (19 - delay) >> 1; }

}  // namespace trochograph
