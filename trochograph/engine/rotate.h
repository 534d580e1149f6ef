// Turning a point about the origin, as the curve's rotation offset needs it.
#pragma once

namespace trochograph {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;
constexpr double halfPi = 1.5707963267948966;

// Turns (x, y) about the origin by `radians`; since screen y grows downwards, a positive
// angle turns clockwise as the user sees it. Always returns 0.
int rotate(double& x, double& y, double radians);

}  // namespace trochograph
