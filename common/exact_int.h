// Integer helpers for the exact pixel tests of wide lines and arcs.
#pragma once

#include <cmath>

namespace trochograph {

// The membership tests multiply squares of half-pixel coordinates up to about 2^29, which
// needs more than 64 bits.
__extension__ typedef __int128 Wide;

// Quotients rounded down and up; b must be positive.
inline long long floorDiv(long long a, long long b)
{
    const long long q = a / b;
    return a % b != 0 && a < 0 ? q - 1 : q;
}

inline long long ceilDiv(long long a, long long b)
{
    const long long q = a / b;
    return a % b != 0 && a > 0 ? q + 1 : q;
}

// The floating-point estimates of a row's ends are widened by this much (in half pixels)
// before the exact test narrows them: more than their rounding error, so the exact ends
// always lie inside the widened ones, yet small enough that few pixels are tested twice.
inline double estimateMargin(double magnitude) { return 1e-6 + 1e-11 * magnitude; }

// A column estimated in floating point, clamped to [min, max] before it is converted so
// that no estimate can overflow.
inline long long clampedColumn(double column, long long min, long long max)
{
    if (!(column > static_cast<double>(min))) return min;
    if (column >= static_cast<double>(max)) return max;
    return static_cast<long long>(column);
}

}  // namespace trochograph
