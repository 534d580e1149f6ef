// Conversion of a double to a 32-bit integer by truncation toward zero, defined for every input.
#pragma once

#include <cmath>
#include <limits>

namespace trochograph {

// Values beyond the int range saturate at its ends and NaN gives 0, so that a conversion
// never has undefined behaviour; in range it is exactly the C conversion.
inline int truncToInt(double v)
{
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

}  // namespace trochograph
