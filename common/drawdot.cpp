#include "common/drawdot.h"

#include "common/surface.h"

namespace trochograph {

int drawdot(Surface& hdc, int x, int y, Rect test, Colorref c)
{
    static constexpr Point offsets[13] = {{0, 0},  {0, -2},  {0, -1}, {0, 1},  {0, 2},  {-1, 0}, {-1, -1},
                                          {-1, 1}, {1, 0},   {1, -1}, {1, 1},  {-2, 0}, {2, 0}};
    int count = 0;
    for (const Point& o : offsets) {
        // Widen before adding so that a point at the int limits cannot overflow.
        const long long px = static_cast<long long>(x) + o.x;
        const long long py = static_cast<long long>(y) + o.y;
        if (px < test.left || px >= test.right || py < test.top || py >= test.bottom) continue;
        hdc.setPixel(static_cast<int>(px), static_cast<int>(py), c);
        ++count;
    }
    return count;
}

}  // namespace trochograph
