#include "engine/rotate.h"

#include <cmath>

namespace trochograph {

int rotate(double& x, double& y, double radians)
{
    // The angle through atan of y / x, with the quadrant fixed up afterwards; the saved
    // curves were drawn with exactly this evaluation.
    double phi;
    if (x == 0.0)
        phi = y < 0.0 ? 4.71238898038469 : halfPi;
    else
        phi = std::atan(y / x);
    const double m = std::sqrt(x * x + y * y);
    if (x < 0.0) phi += pi;
    phi += radians;
    x = std::cos(phi) * m;
    y = std::sin(phi) * m;
    return 0;
}

}  // namespace trochograph
