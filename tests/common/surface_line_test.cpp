// Lines and polylines of the raster, per pixel.
#include "common/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>

#include "picture.h"

namespace trochograph {
namespace {

using test::blue;
using test::picture;
using test::red;

struct LineCase {
    Point from, to;
    int width;
    const char* expected;
};

void expectLines(int w, int h, std::initializer_list<LineCase> cases)
{
    for (const LineCase& k : cases) {
        Surface s(w, h);
        s.line(k.from, k.to, k.width, red);
        EXPECT_EQ(picture(s), k.expected) << "from " << k.from.x << ", " << k.from.y << " to " << k.to.x << ", "
                                          << k.to.y << " width " << k.width;
    }
}

TEST(ThinLine, OnePixelPerStepWithoutTheLastHalvesGoingUpOrLeft)
{
    expectLines(7, 4, {
        {{1, 2}, {5, 2}, 1, "\n.......\n.......\n.RRRR..\n......."},
        {{5, 2}, {1, 2}, 1, "\n.......\n.......\n..RRRR.\n......."},
        {{3, 0}, {3, 3}, 1, "\n...R...\n...R...\n...R...\n......."},
        {{0, 0}, {4, 4}, 0, "\nR......\n.R.....\n..R....\n...R..."},
        // At step 2 the exact row is 0.5 either way: the upper row wins in both directions.
        {{0, 0}, {4, 1}, 1, "\nRRR....\n...R...\n.......\n......."},
        {{4, 1}, {0, 0}, 1, "\n.RR....\n...RR..\n.......\n......."},
        {{0, 3}, {4, 2}, 1, "\n.......\n.......\n..RR...\nRR....."},
        {{1, 0}, {2, 4}, -7, "\n.R.....\n.R.....\n.R.....\n..R...."},
        {{0, 0}, {6, 2}, 1, "\nRR.....\n..RRR..\n.....R.\n......."},
        {{3, 3}, {3, 3}, 1, "\n.......\n.......\n.......\n......."},
    });
}

TEST(WideLine, CoversThePenWidthWithRoundEnds)
{
    // Widths 2 to 5; an even pen has w / 2 rows above the line and w / 2 - 1 below.
    Surface lines(9, 16);
    lines.line({2, 1}, {6, 1}, 2, red);
    lines.line({2, 4}, {6, 4}, 3, blue);
    lines.line({2, 8}, {6, 8}, 4, red);
    lines.line({6, 13}, {2, 13}, 5, blue);
    EXPECT_EQ(picture(lines), R"(
.RRRRRR..
.RRRRRR..
.........
.BBBBBBB.
.BBBBBBB.
.BBBBBBB.
.RRRRRR..
RRRRRRRR.
RRRRRRRR.
.RRRRRR..
.........
.BBBBBBB.
BBBBBBBBB
BBBBBBBBB
BBBBBBBBB
.BBBBBBB.)");

    // A zero-length line is a round dot of the pen's width.
    Surface dots(23, 7);
    dots.line({2, 3}, {2, 3}, 2, red);
    dots.line({7, 3}, {7, 3}, 3, blue);
    dots.line({13, 3}, {13, 3}, 4, red);
    dots.line({19, 3}, {19, 3}, 5, blue);
    EXPECT_EQ(picture(dots), R"(
.......................
............RR....BBB..
.RR...BBB..RRRR..BBBBB.
.RR...BBB..RRRR..BBBBB.
......BBB...RR...BBBBB.
..................BBB..
.......................)");

    expectLines(9, 8, {
        {{2, 2}, {6, 6}, 3, R"(
.........
.RRR.....
.RRRR....
.RRRRR...
..RRRRR..
...RRRRR.
....RRRR.
.....RRR.)"},
        {{1, 2}, {7, 5}, 4, R"(
RR.......
RRRR.....
RRRRRR...
RRRRRRRR.
..RRRRRRR
....RRRRR
......RR.
.........)"},
    });
}

TEST(Polyline, ThinLeavesOutOnlyTheLastPointWideJoinsRound)
{
    Surface thin(7, 6);
    const Point path[] = {{1, 1}, {5, 1}, {5, 4}, {2, 4}};
    thin.polyline(path, 1, red);
    thin.polyline(std::span(path, 1), 3, blue);
    EXPECT_EQ(picture(thin), R"(
.......
.RRRRR.
.....R.
.....R.
...RRR.
.......)");

    Surface wide(11, 10);
    const Point corner[] = {{2, 6}, {6, 6}, {6, 2}};
    wide.polyline(corner, 5, red);
    EXPECT_EQ(picture(wide), R"(
.....RRR...
....RRRRR..
....RRRRR..
....RRRRR..
.RRRRRRRR..
RRRRRRRRR..
RRRRRRRRR..
RRRRRRRRR..
.RRRRRRR...
...........)");
}

// The pixels of a line are those of the same line drawn unclipped, cut to the clip.
TEST(LineClip, SameAsUnclippedInsideNothingOutside)
{
    std::mt19937 rng(99);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int k = 0; k < 500; ++k) {
        const Rect clip{coord(-3, 12), coord(-3, 10), coord(8, 34), coord(6, 26)};
        const Point a{coord(-20, 50), coord(-20, 42)}, b{coord(-20, 50), coord(-20, 42)};
        const int width = k % 3 == 0 ? 1 : coord(1, 7);
        Surface clipped(31, 23), whole(31, 23);
        clipped.setClip(clip);
        clipped.line(a, b, width, red);
        whole.line(a, b, width, red);
        Surface expected(31, 23);
        expected.setClip(clip);
        expected.blit({0, 0}, whole, whole.bounds());
        ASSERT_EQ(clipped, expected) << "line " << k;
    }
}

// Along one geometric line the pixel of each step depends only on the line, so a part of
// it, however far its ends, matches the same part of a short piece.
TEST(ThinLine, PixelsDependOnlyOnTheGeometricLine)
{
    std::mt19937 rng(5);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int k = 0; k < 300; ++k) {
        const Point d{coord(-7, 7), coord(-7, 7)};
        if (d == Point{}) continue;
        const Point p{coord(0, 30), coord(0, 22)};
        const int reach = 100000000 / 7;  // far, but within coordinateLimit
        Surface piece(31, 23), far(31, 23);
        piece.line({p.x - 40 * d.x, p.y - 40 * d.y}, {p.x + 40 * d.x, p.y + 40 * d.y}, 1, red);
        far.line({p.x - reach * d.x, p.y - reach * d.y}, {p.x + reach * d.x, p.y + reach * d.y}, 1, red);
        ASSERT_EQ(picture(piece), picture(far)) << "direction " << d.x << ", " << d.y;
    }
}

TEST(LineLimits, EnormousCoordinatesDrawTheVisiblePart)
{
    const int far = 2000000000;
    for (int width : {1, 2, 3, 6}) {
        Surface huge(9, 7), small(9, 7);
        huge.line({-far, 3}, {far, 3}, width, red);
        small.line({-20, 3}, {20, 3}, width, red);
        huge.line({4, far}, {4, -far}, width, blue);
        small.line({4, 20}, {4, -20}, width, blue);
        huge.line({-far, -far}, {far, far}, width, red);
        small.line({-20, -20}, {20, 20}, width, red);
        // An end inside stays exact, and this direction survives the cut exactly.
        huge.line({2, 1}, {2 + far, 1 + far / 2}, width, blue);
        small.line({2, 1}, {42, 21}, width, blue);
        EXPECT_EQ(picture(huge), picture(small)) << "width " << width;
    }
}

TEST(LineLimits, ExtremeCoordinatesAndPensNeverWriteOutsideTheClip)
{
    const int values[] = {INT_MIN, INT_MIN + 1, -2000000000, -(1 << 27) - 1, -(1 << 27), -50, 0, 3, 17,
                          1 << 27, (1 << 27) + 1, 2000000000, INT_MAX - 1, INT_MAX};
    const int widths[] = {INT_MIN, 0, 1, 2, 3, 8, Surface::maxPenWidth, Surface::maxPenWidth + 1, INT_MAX};
    std::mt19937 rng(3);
    auto pick = [&](const auto& list) { return list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(rng)]; };
    Surface s(31, 23);
    s.setClip({5, 4, 25, 18});
    for (int k = 0; k < 3000; ++k) {
        s.line({pick(values), pick(values)}, {pick(values), pick(values)}, pick(widths), red);
        s.arc({pick(values), pick(values), pick(values), pick(values)}, {pick(values), pick(values)},
              {pick(values), pick(values)}, pick(widths) % 64, blue);
    }
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 31; ++x)
            if (!s.clip().contains({x, y})) {
                ASSERT_EQ(s.pixel(x, y), 0u) << x << ", " << y;
            }
}

// The capsule rule computed plainly: with coordinates doubled (and an even pen's segment
// moved by one), P is covered when its distance to the closest point of the segment is at
// most the pen width. Scaled by |D|^2 so that it stays in integers.
bool covered(Point p, Point from, Point to, int width)
{
    const long long shift = width % 2 == 0 ? -1 : 0;
    const long long ax = 2LL * from.x + shift, ay = 2LL * from.y + shift;
    const long long dx = 2LL * (to.x - from.x), dy = 2LL * (to.y - from.y);
    const long long px = 2LL * p.x - ax, py = 2LL * p.y - ay;
    const long long len2 = dx * dx + dy * dy;
    const long long dot = len2 == 0 ? 0 : std::clamp(px * dx + py * dy, 0LL, len2);
    if (len2 == 0) return px * px + py * py <= 1LL * width * width;
    const long long ex = px * len2 - dot * dx, ey = py * len2 - dot * dy;
    return static_cast<long double>(ex) * ex + static_cast<long double>(ey) * ey <=
           static_cast<long double>(width) * width * len2 * len2;
}

TEST(WideLine, MatchesTheCapsuleRuleEverywhere)
{
    std::mt19937 rng(2024);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int k = 0; k < 2000; ++k) {
        const Point a{coord(-12, 42), coord(-12, 34)};
        const Point b = k % 10 == 0 ? a : Point{coord(-12, 42), coord(-12, 34)};
        const int width = coord(2, 13);
        Surface s(31, 23);
        s.line(a, b, width, red);
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 31; ++x)
                ASSERT_EQ(s.pixel(x, y) == red, covered({x, y}, a, b, width))
                    << "pixel " << x << ", " << y << " of " << a.x << ", " << a.y << " to " << b.x << ", " << b.y
                    << " width " << width;
    }
}

}  // namespace
}  // namespace trochograph
