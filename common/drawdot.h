// The pen-tip marker: a solid dot five pixels across.
#pragma once

#include "common/colorref.h"
#include "common/geometry.h"

namespace trochograph {

class Surface;

// Sets the 13 pixels of a 3 x 3 square around (x, y) plus the four pixels two steps away
// along the axes, each only if it lies inside `test` (right and bottom edges outside) and
// on the surface. Returns how many pixels of the dot lie inside `test`, 0 to 13.
int drawdot(Surface& hdc, int x, int y, Rect test, Colorref c);

}  // namespace trochograph
