// Straight lines and polylines of the raster; wide pens are in surface_wide_line.cpp.
#include "common/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/exact_int.h"

namespace trochograph {

namespace {

bool beyondLimit(Point p)
{
    return std::llabs(p.x) > Surface::coordinateLimit || std::llabs(p.y) > Surface::coordinateLimit;
}

// Cuts the segment to the square of half-side coordinateLimit (Liang-Barsky) and rounds the
// cut points; false when nothing of it lies in the square. An end inside stays exact.
bool cutToLimit(Point& from, Point& to)
{
    const double limit = Surface::coordinateLimit;
    const double x0 = from.x, y0 = from.y;
    const double dx = static_cast<double>(to.x) - x0, dy = static_cast<double>(to.y) - y0;
    // Each side of the square as p * t <= q along from + t * (dx, dy).
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + limit, limit - x0, y0 + limit, limit - y0};
    double t0 = 0, t1 = 1;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    auto at = [&](double t) {
        return Point{static_cast<int>(std::lround(x0 + t * dx)), static_cast<int>(std::lround(y0 + t * dy))};
    };
    const Point a = at(t0), b = at(t1);
    from = a;
    to = b;
    return true;
}

}  // namespace

void Surface::line(Point from, Point to, int penWidth, Colorref c)
{
    const Rect limit = clip();
    if (limit.empty()) return;
    if ((beyondLimit(from) || beyondLimit(to)) && !cutToLimit(from, to)) return;
    const int width = std::clamp(penWidth, 1, maxPenWidth);
    // Nothing to do when the segment's box, grown by the pen, misses the clip.
    const int reach = width / 2 + 1;
    if (std::max(from.x, to.x) + reach < limit.left || std::min(from.x, to.x) - reach >= limit.right ||
        std::max(from.y, to.y) + reach < limit.top || std::min(from.y, to.y) - reach >= limit.bottom)
        return;
    if (width == 1) thinLine(from, to, c);
    else wideLine(from, to, width, c);
}

void Surface::thinLine(Point from, Point to, Colorref c)
{
    const long long dx = static_cast<long long>(to.x) - from.x;
    const long long dy = static_cast<long long>(to.y) - from.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long n = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (n == 0) return;
    const long long major0 = xMajor ? from.x : from.y;
    const long long minor0 = xMajor ? from.y : from.x;
    const long long dMinor = xMajor ? dy : dx;
    const long long step = (xMajor ? dx : dy) > 0 ? 1 : -1;

    // Only the steps whose major coordinate lies within the clip: [first, end).
    const Rect limit = clip();
    const long long lo = xMajor ? limit.left : limit.top;
    const long long hi = xMajor ? limit.right : limit.bottom;
    const long long first = std::max(0LL, step > 0 ? lo - major0 : major0 - hi + 1);
    const long long end = std::min(n, step > 0 ? hi - major0 : major0 - lo + 1);
    if (first >= end) return;

    // The minor offset at step i is ceil((2 * dMinor * i - n) / (2n)): the exact offset
    // dMinor * i / n rounded to the nearest pixel, halves downwards. It is stepped as a
    // quotient q and a remainder r in (-2n, 0]; one step moves r by at most 2n.
    const long long den = 2 * n;
    const long long num = 2 * dMinor * first - n;
    long long q = ceilDiv(num, den);
    long long r = num - q * den;
    auto advance = [&] {
        r += 2 * dMinor;
        if (r > 0) {
            r -= den;
            ++q;
        } else if (r <= -den) {
            r += den;
            --q;
        }
    };

    if (!xMajor) {
        for (long long i = first; i < end; ++i, advance()) {
            const long long x = minor0 + q;
            fillSpan(static_cast<int>(major0 + step * i), x, x + 1, c);
        }
        return;
    }
    // Pixels that share a row go out as one run.
    long long runY = minor0 + q, runStart = major0 + step * first, runEnd = runStart;
    for (long long i = first + 1; i < end; ++i) {
        advance();
        const long long x = major0 + step * i;
        if (minor0 + q != runY) {
            fillSpan(static_cast<int>(runY), std::min(runStart, runEnd), std::max(runStart, runEnd) + 1, c);
            runY = minor0 + q;
            runStart = x;
        }
        runEnd = x;
    }
    fillSpan(static_cast<int>(runY), std::min(runStart, runEnd), std::max(runStart, runEnd) + 1, c);
}

void Surface::polyline(std::span<const Point> points, int penWidth, Colorref c)
{
    for (std::size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i], penWidth, c);
}

}  // namespace trochograph
