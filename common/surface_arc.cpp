// Ellipse outlines and arcs of the raster: the pixels between two ellipses, found row by row.
#include "common/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "common/exact_int.h"

namespace trochograph {

namespace {

// Directions as angles counterclockwise on screen (y grows downwards), from doubled offsets.
double angleOf(long long u, long long v) { return std::atan2(-static_cast<double>(v), static_cast<double>(u)); }

double turn(double from, double to)
{
    const double d = to - from;
    return d < 0 ? d + 2 * std::numbers::pi : d;
}

}  // namespace

void Surface::arc(const Rect& box, Point start, Point end, int penWidth, Colorref c)
{
    const Rect limit = clip();
    if (limit.empty()) return;
    for (int v : {box.left, box.top, box.right, box.bottom})
        if (std::llabs(v) > coordinateLimit) return;
    const long long l = std::min(box.left, box.right), r = std::max(box.left, box.right);
    const long long t = std::min(box.top, box.bottom), b = std::max(box.top, box.bottom);
    const long long pen = std::clamp(penWidth, 1, maxPenWidth);

    // Half-pixel units, as for lines: the centre of pixel (x, y) is (2x, 2y), the box's
    // centre is (l + r, t + b), the semi-axes are r - l and b - t, the pen reaches pen to
    // either side, and an even pen moves the centre by (-1, -1).
    const long long shift = pen % 2 == 0 ? -1 : 0;
    const long long cx = l + r + shift, cy = t + b + shift;
    const long long outerA = r - l + pen, outerB = b - t + pen;
    const long long innerA = r - l - pen, innerB = b - t - pen;
    const bool hollow = innerA > 0 && innerB > 0;
    const long long outerA2 = outerA * outerA, outerB2 = outerB * outerB;
    const long long innerA2 = innerA * innerA, innerB2 = innerB * innerB;
    const double outerRatio = static_cast<double>(outerA) / outerB;
    const double innerRatio = hollow ? static_cast<double>(innerA) / innerB : 0;
    const Wide outerRhs = Wide{outerA2} * outerB2, innerRhs = Wide{innerA2} * innerB2;
    // Inside or on the outer ellipse; strictly inside the inner one (a pixel the ring leaves out).
    auto inOuter = [&](long long u, long long v2) { return Wide{u * u} * outerB2 + Wide{v2} * outerA2 <= outerRhs; };
    auto inHole = [&](long long u, long long v2) { return Wide{u * u} * innerB2 + Wide{v2} * innerA2 < innerRhs; };

    const long long top = std::max<long long>(limit.top, ceilDiv(cy - outerB, 2));
    const long long bottom = std::min<long long>(limit.bottom - 1, floorDiv(cy + outerB, 2));
    const long long left = ceilDiv(cx - outerA, 2), right = floorDiv(cx + outerA, 2);
    if (left >= limit.right || right < limit.left) return;

    // A partial arc keeps the pixels whose direction lies within the sweep; it goes pixel by
    // pixel, which is fine for its few uses.
    long long su = 2LL * start.x - cx, sv = 2LL * start.y - cy;
    long long eu = 2LL * end.x - cx, ev = 2LL * end.y - cy;
    // A point at the centre has no direction of its own; it points right.
    if (su == 0 && sv == 0) su = 1;
    if (eu == 0 && ev == 0) eu = 1;
    const bool whole = Wide{su} * ev == Wide{sv} * eu && Wide{su} * eu + Wide{sv} * ev > 0;
    const double from = angleOf(su, sv);
    const double sweep = turn(from, angleOf(eu, ev));
    auto emit = [&](long long py, long long x0, long long x1) {
        if (whole) {
            fillSpan(static_cast<int>(py), x0, x1, c);
            return;
        }
        x0 = std::max<long long>(x0, limit.left);
        x1 = std::min<long long>(x1, limit.right);
        long long run = x0;
        for (long long x = x0; x <= x1; ++x) {
            if (x < x1 && turn(from, angleOf(2 * x - cx, 2 * py - cy)) <= sweep) continue;
            fillSpan(static_cast<int>(py), run, x, c);
            run = x + 1;
        }
    };

    for (long long py = top; py <= bottom; ++py) {
        const long long v = 2 * py - cy, v2 = v * v;
        // Estimate each ellipse's half-chord on this row, widen it by more than its rounding
        // error, then narrow it with the exact test.
        const double half = outerRatio * std::sqrt(static_cast<double>(outerB2 - v2));
        const double margin = estimateMargin(std::fabs(static_cast<double>(cx)) + half);
        long long x0 = clampedColumn(std::ceil((cx - half - margin) / 2), left, right);
        long long x1 = clampedColumn(std::floor((cx + half + margin) / 2), left, right);
        while (x0 <= x1 && !inOuter(2 * x0 - cx, v2)) ++x0;
        while (x1 >= x0 && !inOuter(2 * x1 - cx, v2)) --x1;
        if (x0 > x1) continue;

        if (hollow && std::llabs(v) < innerB) {
            const double inner = innerRatio * std::sqrt(static_cast<double>(innerB2 - v2));
            long long h0 = clampedColumn(std::ceil((cx - inner - margin) / 2), x0, x1);
            long long h1 = clampedColumn(std::floor((cx + inner + margin) / 2), x0, x1);
            while (h0 <= h1 && !inHole(2 * h0 - cx, v2)) ++h0;
            while (h1 >= h0 && !inHole(2 * h1 - cx, v2)) --h1;
            if (h0 <= h1) {
                emit(py, x0, h0);
                emit(py, h1 + 1, x1 + 1);
                continue;
            }
        }
        emit(py, x0, x1 + 1);
    }
}

}  // namespace trochograph
