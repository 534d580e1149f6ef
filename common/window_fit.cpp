#include "common/window_fit.h"

#include <algorithm>

namespace trochograph {

namespace {

// One axis: the span [from, to) moved and cut to lie within [low, high).
void keepSpan(int& from, int& to, int low, int high)
{
    const int length = std::clamp(to - from, 0, high - low);
    from = std::clamp(from, low, high - length);
    to = from + length;
}

}  // namespace

Rect keptInside(const Rect& window, const Rect& available)
{
    if (available.empty()) return window;
    Rect kept = window;
    keepSpan(kept.left, kept.right, available.left, available.right);
    keepSpan(kept.top, kept.bottom, available.top, available.bottom);
    return kept;
}

}  // namespace trochograph
