#include "panels.h"

#include <cmath>

#include "common/surface.h"
#include "common/trunc_int.h"

namespace trochograph::pictures {

void frame(Surface& target, const Rect& outer, int thickness, Colorref c)
{
    const Rect& o = outer;
    const int t = thickness;
    target.fillRect({o.left, o.top, o.right, o.top + t}, c);
    target.fillRect({o.left, o.bottom - t, o.right, o.bottom}, c);
    target.fillRect({o.left, o.top + t, o.left + t, o.bottom - t}, c);
    target.fillRect({o.right - t, o.top + t, o.right, o.bottom - t}, c);
}

void fillDisc(Surface& target, const Rect& box, Colorref c)
{
    const double cx = (box.left + box.right - 1) * 0.5;
    const double cy = (box.top + box.bottom - 1) * 0.5;
    const double radius = (box.right - box.left) * 0.5;
    for (int y = box.top; y < box.bottom; ++y) {
        const double dy = y - cy;
        const double span = radius * radius - dy * dy;
        if (span < 0.0) continue;
        const double half = std::sqrt(span);
        target.fillRect({truncToInt(std::ceil(cx - half)), y, truncToInt(std::floor(cx + half)) + 1, y + 1}, c);
    }
}

void overlay(Surface& target, Point at, const Surface& src, Colorref clear)
{
    for (int y = 0; y < src.height(); ++y) {
        const Colorref* row = src.row(y);
        for (int x = 0; x < src.width(); ++x)
            if (row[x] != clear) target.setPixel(at.x + x, at.y + y, row[x]);
    }
}

Colorref mix(Colorref a, Colorref b, int amount)
{
    auto channel = [amount](int from, int to) { return from + (to - from) * amount / 256; };
    return rgb(channel(redOf(a), redOf(b)), channel(greenOf(a), greenOf(b)), channel(blueOf(a), blueOf(b)));
}

}  // namespace trochograph::pictures
