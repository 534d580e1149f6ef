// The pen-tip marker.
#include "common/drawdot.h"

#include <gtest/gtest.h>

#include <climits>

#include "common/surface.h"
#include "picture.h"

namespace trochograph {
namespace {

using test::picture;
using test::red;

TEST(Drawdot, CountsAndDrawsOnlyThePixelsInsideTheTestRectangle)
{
    Surface s(9, 7);
    EXPECT_EQ(drawdot(s, 4, 3, s.bounds(), red), 13);
    EXPECT_EQ(picture(s), R"(
.........
....R....
...RRR...
..RRRRR..
...RRR...
....R....
.........)");

    Surface corner(9, 7);
    EXPECT_EQ(drawdot(corner, 0, 0, corner.bounds(), red), 6);
    EXPECT_EQ(drawdot(corner, 8, 3, corner.bounds(), red), 9);  // x = right - 1 loses 4
    EXPECT_EQ(drawdot(corner, 4, 3, {4, 3, 4, 3}, red), 0);
    EXPECT_EQ(picture(corner), R"(
RRR......
RR......R
R......RR
......RRR
.......RR
........R
.........)");

    // The count follows the test rectangle even where the surface ends.
    Surface small(3, 3);
    EXPECT_EQ(drawdot(small, 0, 0, {-10, -10, 10, 10}, red), 13);
    EXPECT_EQ(test::countColor(small, red), 6);
    EXPECT_EQ(drawdot(small, INT_MAX, INT_MIN, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, red), 3);
}

}  // namespace
}  // namespace trochograph
