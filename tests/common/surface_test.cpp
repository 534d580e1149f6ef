// Storage, fills, block copies, the clip rectangle and span recording of the raster.
#include "common/surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "common/span_recorder.h"
#include "picture.h"

namespace trochograph {
namespace {

using test::blue;
using test::picture;
using test::red;

TEST(SurfaceFill, RectKeepsRightAndBottomEdgesOutAndClipsAnyCoordinates)
{
    Surface s(7, 5);
    s.fillRect({1, 1, 4, 3}, red);
    s.fillRect({5, 0, 5, 5}, blue);             // no width
    s.fillRect({6, 4, 4, 2}, blue);             // corners swapped: empty
    s.fillRect({-3, -9, 1, 1000}, blue);        // off the left and top
    s.fillRect({5, 3, INT_MAX, INT_MAX}, blue); // to the far corner
    EXPECT_EQ(picture(s), R"(
B......
BRRR...
BRRR...
B....BB
B....BB)");
    s.fillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, red);
    EXPECT_EQ(test::countColor(s, red), 35);
}

TEST(SurfaceFill, PixelsOutsideAreNeitherWrittenNorRead)
{
    Surface s(7, 5);
    s.setPixel(0, 0, red);
    s.setPixel(6, 4, blue);
    for (auto [x, y] : {std::pair{-1, 0}, {7, 0}, {0, -1}, {0, 5}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}})
        s.setPixel(x, y, red);
    EXPECT_EQ(picture(s), R"(
R......
.......
.......
.......
......B)");
    EXPECT_EQ(s.pixel(7, 0), invalidColor);
    EXPECT_EQ(s.pixel(-1, -1), invalidColor);
    EXPECT_EQ(s.pixel(INT_MAX, INT_MAX), invalidColor);
    EXPECT_THROW(Surface(-1, 3), std::length_error);
    EXPECT_THROW(Surface(3, Surface::maxSide + 1), std::length_error);
}

TEST(SurfaceBlit, ClipsAtBothSurfacesAndLeavesMissingSourceAlone)
{
    Surface src(4, 3);
    src.fillRect({0, 0, 3, 1}, red);
    src.fillRect({0, 0, 1, 3}, red);
    src.setPixel(1, 2, red);
    Surface s(7, 5, blue);
    s.blit({5, 3}, src, src.bounds());        // runs off the right and bottom
    s.blit({0, 0}, src, {-1, -1, 2, 2});      // source rectangle sticks out of src
    s.blit({2, 2}, src, {10, 10, 12, 12});    // source entirely outside
    s.blit({INT_MIN, INT_MAX}, src, src.bounds());
    EXPECT_EQ(picture(s), R"(
BBBBBBB
BRRBBBB
BR.BBBB
BBBBBRR
BBBBBR.)");
}

TEST(SurfaceBlit, CopyWithinOneSurfaceActsOnASnapshot)
{
    for (Point shift : {Point{1, 1}, {-1, -1}, {2, 0}, {-2, 0}, {0, 2}, {0, -1}, {3, -2}}) {
        Surface s(9, 7);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) s.setPixel(x, y, rgb(x, y, 7));
        Surface expected(s);
        const Surface snapshot(s);
        const Rect area{1, 1, 7, 6};
        expected.blit({area.left + shift.x, area.top + shift.y}, snapshot, area);
        s.blit({area.left + shift.x, area.top + shift.y}, s, area);
        EXPECT_EQ(s, expected) << "shift " << shift.x << ", " << shift.y;
    }
}

TEST(SurfaceClip, LimitsEveryOperation)
{
    Surface s(7, 5);
    s.setClip({2, 1, 5, 4});
    EXPECT_EQ(s.clip(), (Rect{2, 1, 5, 4}));
    s.fillRect(s.bounds(), red);
    s.setPixel(0, 0, blue);
    s.setPixel(3, 2, blue);
    s.copySpan(Surface(7, 5, blue), 3, 0, 7);
    EXPECT_EQ(picture(s), R"(
.......
..RRR..
..RBR..
..BBB..
.......)");
    EXPECT_EQ(Surface(s).clip(), s.clip());
    s.setClip({-5, -5, 100, 3});
    EXPECT_EQ(s.clip(), (Rect{0, 0, 7, 3}));
    s.resetClip();
    EXPECT_EQ(s.clip(), s.bounds());
}

TEST(SpanRecorder, OverflowAndResetReportEverything)
{
    Surface s(7, 5);
    SpanRecorder small(3);
    s.attach(small);
    s.fillRect({0, 0, 2, 3}, red);
    ASSERT_FALSE(small.all());
    EXPECT_EQ(small.spans().size(), 3u);
    EXPECT_EQ(small.bounds(), (Rect{0, 0, 2, 3}));
    s.setPixel(6, 4, red);
    EXPECT_TRUE(small.all());
    EXPECT_TRUE(small.spans().empty());
    small.clear();
    EXPECT_TRUE(small.empty());
    s.reset(3, 3, blue);
    EXPECT_TRUE(small.all());
    s.detach(small);
    small.clear();
    s.setPixel(1, 1, red);
    EXPECT_TRUE(small.empty());
}

// Every operation writes a colour not yet on the surface, so the pixels it changed are
// exactly those it wrote; the recorder must list each of them once and nothing else.
TEST(SpanRecorder, HearsExactlyTheWrittenRuns)
{
    constexpr int width = 31, height = 23;
    std::mt19937 rng(12345);
    auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Surface s(width, height);
    SpanRecorder recorder;
    s.attach(recorder);
    for (int op = 0; op < 600; ++op) {
        if (op % 40 == 0) s.setClip({coord(-5, 10), coord(-5, 10), coord(15, 40), coord(10, 30)});
        if (op % 40 == 20) s.resetClip();
        const Surface before(s);
        const Colorref c = static_cast<Colorref>(op + 1);
        const Point a{coord(-8, 38), coord(-8, 30)}, b{coord(-8, 38), coord(-8, 30)};
        const Point p{coord(-8, 38), coord(-8, 30)}, q{coord(-8, 38), coord(-8, 30)};
        bool mayRewrite = false;
        recorder.clear();
        switch (op % 6) {
        case 0: s.fillRect({p.x, p.y, q.x, q.y}, c); break;
        case 1: s.setPixel(p.x, p.y, c); break;
        case 2: s.line(p, q, coord(1, 3), c); break;
        case 3: s.line(p, q, coord(2, 9), c); break;
        case 4: s.arc({p.x, p.y, q.x, q.y}, a, b, coord(1, 6), c); break;
        case 5:
            if (op % 12 == 5) {
                s.blit(a, Surface(9, 7, c), {coord(-3, 5), coord(-3, 5), coord(2, 12), coord(2, 12)});
            } else {
                s.blit(a, s, {p.x, p.y, q.x, q.y});
                mayRewrite = true;
            }
            break;
        }
        ASSERT_FALSE(recorder.all());
        std::vector<int> written(width * height);
        for (const Span& span : recorder.spans()) {
            ASSERT_TRUE(span.x0 < span.x1 && s.clip().contains({span.x0, span.y}) &&
                        s.clip().contains({span.x1 - 1, span.y}))
                << "op " << op;
            for (int x = span.x0; x < span.x1; ++x) ++written[span.y * width + x];
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int changed = before.pixel(x, y) != s.pixel(x, y);
                const int count = written[y * width + x];
                if (mayRewrite) {
                    ASSERT_TRUE(count == 1 || (count == 0 && !changed)) << "op " << op;
                } else {
                    ASSERT_EQ(count, changed) << "op " << op << " at " << x << ", " << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace trochograph
