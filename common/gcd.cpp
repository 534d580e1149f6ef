#include "common/gcd.h"

namespace trochograph {

int gcd(int m, int n)
{
    if (m < 1 || n < 1) return -1;
    for (;;) {
        const int r = m % n;
        if (r == 0) return n;
        m = n;
        n = r;
    }
}

}  // namespace trochograph
