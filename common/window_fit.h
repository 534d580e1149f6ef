// Keeping windows on the screen: inside the area the screen leaves to windows, its panels
// excluded.
#pragma once

#include "common/geometry.h"

namespace trochograph {

// `window` moved the least distance that brings it inside `available`, and made smaller
// only where it is larger than that area. An empty area leaves the window as it is.
Rect keptInside(const Rect& window, const Rect& available);

}  // namespace trochograph
