// The side of a square canvas, in pixels: both programs draw on one and take its side on
// their command lines.
#pragma once

#include "common/range.h"

namespace trochograph::limits {

constexpr Range<int> resolution{100, 9600};   // a raster canvas, the window's or a picture's
constexpr Range<int> smoothSide{100, 16384};  // an anti-aliased poster, painted without one

}  // namespace trochograph::limits
