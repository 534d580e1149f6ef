// Ellipse outlines and arcs of the raster, per pixel.
#include "common/surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "picture.h"

namespace trochograph {
namespace {

using test::picture;
using test::red;

Surface outline(int w, int h, Rect box, int width)
{
    Surface s(w, h);
    s.ellipseOutline(box, width, red);
    return s;
}

TEST(EllipseOutline, CircleIsARingOfThePenWidth)
{
    // Radius 3 around (4, 4), width 3: centres from 1.5 to 4.5 away.
    const Surface s = outline(9, 9, {1, 1, 7, 7}, 3);
    EXPECT_EQ(picture(s), R"(
..RRRRR..
.RRRRRRR.
RRRRRRRRR
RRR...RRR
RRR...RRR
RRR...RRR
RRRRRRRRR
.RRRRRRR.
..RRRRR..)");
    EXPECT_EQ(picture(outline(9, 9, {7, 7, 1, 1}, 3)), picture(s));
    EXPECT_EQ(picture(outline(9, 9, {1, 1, 7, 7}, 1)), R"(
.........
...RRR...
..R...R..
.R.....R.
.R.....R.
.R.....R.
..R...R..
...RRR...
.........)");
}

TEST(EllipseOutline, WideCircleIsSymmetricWithItsRadiusOnTheAxes)
{
    const int radius = 40, width = 5;
    const Surface s = outline(101, 101, {50 - radius, 50 - radius, 50 + radius, 50 + radius}, width);
    for (int y = 0; y <= 100; ++y)
        for (int x = 0; x <= 100; ++x) {
            const Colorref p = s.pixel(x, y);
            ASSERT_EQ(p, s.pixel(100 - x, y));
            ASSERT_EQ(p, s.pixel(x, 100 - y));
            ASSERT_EQ(p, s.pixel(y, x));
        }
    // Along the axes the ring covers radius - 2 to radius + 2.
    for (int d = 0; d <= 50; ++d)
        EXPECT_EQ(s.pixel(50 + d, 50) == red, d >= radius - 2 && d <= radius + 2) << d;
}

// Each pixel of a thin circle touches the next one, at a side or a corner.
TEST(EllipseOutline, ThinCirclesAreEightConnected)
{
    for (int radius = 1; radius <= 45; ++radius) {
        const Surface s = outline(101, 101, {50 - radius, 50 - radius, 50 + radius, 50 + radius}, 1);
        std::vector<Point> todo{{50 + radius, 50}};
        std::vector<bool> seen(101 * 101);
        seen[50 * 101 + 50 + radius] = true;
        int reached = 1;
        while (!todo.empty()) {
            const Point p = todo.back();
            todo.pop_back();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const Point q{p.x + dx, p.y + dy};
                    if (s.pixel(q.x, q.y) != red || seen[q.y * 101 + q.x]) continue;
                    seen[q.y * 101 + q.x] = true;
                    ++reached;
                    todo.push_back(q);
                }
        }
        EXPECT_EQ(reached, test::countColor(s, red)) << "radius " << radius;
    }
}

TEST(EllipseOutline, EvenPenMovesTheCentreUpAndLeft)
{
    const Surface s = outline(9, 9, {1, 1, 7, 7}, 2);
    EXPECT_EQ(picture(s), R"(
..RRRR...
.RRRRRR..
RRR..RRR.
RR....RR.
RR....RR.
RRR..RRR.
.RRRRRR..
..RRRR...
.........)");
    EXPECT_EQ(picture(outline(11, 9, {0, 1, 10, 7}, 2)), R"(
..RRRRRR...
RRRRRRRRRR.
RR......RRR
R........RR
R........RR
RR......RRR
RRRRRRRRRR.
..RRRRRR...
...........)");
}

TEST(EllipseOutline, FlatBoxesFillWhatThePenCovers)
{
    EXPECT_EQ(picture(outline(7, 9, {3, 1, 3, 7}, 1)), R"(
.......
...R...
...R...
...R...
...R...
...R...
...R...
...R...
.......)");
    EXPECT_EQ(picture(outline(5, 5, {2, 2, 2, 2}, 1)), "\n.....\n.....\n..R..\n.....\n.....");
    EXPECT_EQ(picture(outline(5, 5, {2, 2, 2, 2}, 3)), "\n.....\n.RRR.\n.RRR.\n.RRR.\n.....");
    // A box reaching beyond the coordinate limit draws nothing.
    EXPECT_EQ(test::countColor(outline(5, 5, {-(1 << 27) - 1, 0, 4, 4}, 3), red), 0);
    EXPECT_EQ(test::countColor(outline(5, 5, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 3), red), 0);
}

TEST(Arc, KeepsTheCounterclockwiseSweepFromStartToEnd)
{
    const Rect box{0, 0, 8, 8};
    const Surface whole = outline(9, 9, box, 1);
    Surface quarter(9, 9), rest(9, 9);
    quarter.arc(box, {8, 4}, {4, 0}, 1, red);  // east to north: the upper right
    rest.arc(box, {4, -30}, {30, 4}, 1, red);  // north to east: the other three quarters
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool ring = whole.pixel(x, y) == red;
            EXPECT_EQ(quarter.pixel(x, y) == red, ring && x >= 4 && y <= 4) << x << ", " << y;
            EXPECT_EQ(rest.pixel(x, y) == red, ring && !(x > 4 && y < 4)) << x << ", " << y;
        }
    Surface same(9, 9);
    same.arc(box, {6, 6}, {7, 7}, 1, red);  // one direction: the whole outline
    EXPECT_EQ(same, whole);
}

// The ring rule computed plainly in doubled coordinates: inside or on the outer ellipse,
// and outside or on the inner one when there is one.
bool onRing(Point p, Rect box, int width)
{
    __extension__ typedef __int128 Big;
    const Big l = std::min(box.left, box.right), r = std::max(box.left, box.right);
    const Big t = std::min(box.top, box.bottom), b = std::max(box.top, box.bottom);
    const Big shift = width % 2 == 0 ? -1 : 0;
    const Big u = 2 * Big{p.x} - (l + r + shift), v = 2 * Big{p.y} - (t + b + shift);
    auto within = [&](Big a, Big bb) { return u * u * bb * bb + v * v * a * a <= a * a * bb * bb; };
    auto strictlyWithin = [&](Big a, Big bb) { return u * u * bb * bb + v * v * a * a < a * a * bb * bb; };
    if (!within(r - l + width, b - t + width)) return false;
    return r - l <= width || b - t <= width || !strictlyWithin(r - l - width, b - t - width);
}

TEST(EllipseOutline, MatchesTheRingRuleEverywhere)
{
    std::mt19937 rng(77);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int k = 0; k < 3000; ++k) {
        Rect box{coord(-20, 50), coord(-20, 42), coord(-20, 50), coord(-20, 42)};
        if (k % 3 == 0) {
            // An ellipse up to the coordinate limit whose right end crosses the surface.
            const int a = coord(1, 67000000), b = coord(1, 67000000), x = coord(10, 20);
            box = {x - 2 * a, 11 - b, x, 11 + b};
        }
        const int width = coord(1, 9);
        const Surface s = outline(31, 23, box, width);
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 31; ++x)
                ASSERT_EQ(s.pixel(x, y) == red, onRing({x, y}, box, width))
                    << x << ", " << y << " box " << box.left << " " << box.top << " " << box.right << " "
                    << box.bottom << " width " << width;
    }
}

}  // namespace
}  // namespace trochograph
