// Lines drawn with pens two or more pixels wide: the pixels within half the pen width of the
// segment, found row by row.
#include "common/surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/exact_int.h"

namespace trochograph {

void Surface::wideLine(Point from, Point to, int penWidth, Colorref c)
{
    // Half-pixel units keep everything integral: the centre of pixel (x, y) is (2x, 2y), the
    // pen radius is penWidth, and an even pen moves the segment by (-1, -1).
    const long long shift = penWidth % 2 == 0 ? -1 : 0;
    const long long ax = 2LL * from.x + shift, ay = 2LL * from.y + shift;
    const long long bx = 2LL * to.x + shift, by = 2LL * to.y + shift;
    const long long dx = bx - ax, dy = by - ay;
    const long long radius = penWidth, radius2 = radius * radius;
    const long long length2 = dx * dx + dy * dy;
    const double reach = static_cast<double>(radius) * std::sqrt(static_cast<double>(length2));
    const double perDx = dx != 0 ? 1.0 / static_cast<double>(dx) : 0;
    const double perDy = dy != 0 ? 1.0 / static_cast<double>(dy) : 0;

    // Whether the point (x, y), in half pixels, lies within the radius of the segment.
    auto inside = [&](long long x, long long y) {
        const long long ux = x - ax, uy = y - ay;
        const long long along = ux * dx + uy * dy;
        if (along <= 0) return ux * ux + uy * uy <= radius2;
        if (along >= length2) return (x - bx) * (x - bx) + (y - by) * (y - by) <= radius2;
        const long long across = ux * dy - uy * dx;
        return Wide{across} * across <= Wide{radius2} * length2;
    };

    const Rect limit = clip();
    const long long top = std::max<long long>(limit.top, ceilDiv(std::min(ay, by) - radius, 2));
    const long long bottom = std::min<long long>(limit.bottom - 1, floorDiv(std::max(ay, by) + radius, 2));
    const long long left = ceilDiv(std::min(ax, bx) - radius, 2);
    const long long right = floorDiv(std::max(ax, bx) + radius, 2);
    constexpr double none = std::numeric_limits<double>::infinity();

    for (long long py = top; py <= bottom; ++py) {
        const long long y = 2 * py;
        const long long va = y - ay, vb = y - by;
        // The row's covered x range, relative to ax, estimated as the hull of the two end
        // discs and the band beside the segment.
        double lo = none, hi = -none;
        auto add = [&](double from, double to) {
            lo = std::min(lo, from);
            hi = std::max(hi, to);
        };
        if (std::llabs(va) <= radius) {
            const double half = std::sqrt(static_cast<double>(radius2 - va * va));
            add(-half, half);
        }
        if (std::llabs(vb) <= radius) {
            const double half = std::sqrt(static_cast<double>(radius2 - vb * vb));
            add(dx - half, dx + half);
        }
        if (length2 > 0) {
            double bandLo = -none, bandHi = none;
            bool band = true;
            auto limitTo = [&](double p, double q) {
                bandLo = std::max(bandLo, std::min(p, q));
                bandHi = std::min(bandHi, std::max(p, q));
            };
            // Projection onto the segment in [0, length2]: u * dx + va * dy.
            const long long along = va * dy;
            if (dx == 0) band = along >= 0 && along <= length2;
            else limitTo(static_cast<double>(-along) * perDx, static_cast<double>(length2 - along) * perDx);
            // Distance from its line within the radius: |u * dy - va * dx| <= reach.
            const long long across = va * dx;
            if (dy == 0) band = band && Wide{across} * across <= Wide{radius2} * length2;
            else limitTo((static_cast<double>(across) - reach) * perDy, (static_cast<double>(across) + reach) * perDy);
            // A band that misses the row only by rounding still goes in; the exact test decides.
            if (band && bandLo <= bandHi + 1) add(bandLo, bandHi);
        }
        if (lo > hi + 1) continue;

        const double margin = estimateMargin(std::fabs(lo) + std::fabs(hi) + std::fabs(static_cast<double>(ax)));
        long long x0 = clampedColumn(std::ceil((static_cast<double>(ax) + lo - margin) / 2), left, right);
        long long x1 = clampedColumn(std::floor((static_cast<double>(ax) + hi + margin) / 2), left, right);
        // The covered set is convex, so its row is one run inside the widened estimate.
        while (x0 <= x1 && !inside(2 * x0, y)) ++x0;
        while (x1 >= x0 && !inside(2 * x1, y)) --x1;
        if (x0 <= x1) fillSpan(static_cast<int>(py), x0, x1 + 1, c);
    }
}

}  // namespace trochograph
