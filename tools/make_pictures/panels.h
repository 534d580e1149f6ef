// The plain shapes the pictures are built from besides curves, drawn with the raster.
#pragma once

#include "common/colorref.h"
#include "common/geometry.h"

namespace trochograph {
class Surface;
}

namespace trochograph::pictures {

// A border `thickness` pixels wide just inside `outer`.
void frame(Surface& target, const Rect& outer, int thickness, Colorref c);

// The pixels whose centres lie in the circle inscribed in the square `box`, so that an
// even-sized box gets a disc centred between pixels, symmetric both ways.
void fillDisc(Surface& target, const Rect& box, Colorref c);

// Copies `src` with its top-left corner at `at`, leaving out its pixels of colour `clear`;
// what falls outside the target is dropped.
void overlay(Surface& target, Point at, const Surface& src, Colorref clear);

// Each channel moved from `a` towards `b` by `amount` / 256.
Colorref mix(Colorref a, Colorref b, int amount);

}  // namespace trochograph::pictures
