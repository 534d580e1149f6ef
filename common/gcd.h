// Greatest common divisor as the curve closure needs it.
#pragma once

namespace trochograph {

// Euclid's algorithm on positive numbers; -1 when either argument is below 1.
int gcd(int m, int n);

}  // namespace trochograph
