// Ranges of accepted values, with their bounds.
#pragma once

namespace trochograph {

// Bounds included. A NaN lies in no range.
template <typename T>
struct Range {
    T low;
    T high;
    template <typename V>
    constexpr bool contains(V v) const
    {
        return v >= low && v <= high;
    }
    // The nearest value in the range.
    constexpr T clamp(T v) const { return v < low ? low : v > high ? high : v; }
};

// Low bound included, high bound excluded: for angles, whose high end is the low end again.
template <typename T>
struct HalfOpenRange {
    T low;
    T high;
    template <typename V>
    constexpr bool contains(V v) const
    {
        return v >= low && v < high;
    }
};

}  // namespace trochograph
