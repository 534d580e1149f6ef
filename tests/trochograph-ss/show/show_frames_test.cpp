// The circles reach the screen the incremental way with exactly the pixels of the plain
// way, which saves, draws over, shows and restores the whole canvas at every point.
#include <gtest/gtest.h>

#include <algorithm>

#include "show_rig.h"

namespace trochograph::test {
namespace {

// Whether the screen square shows exactly the canvas, where it lies on the screen.
bool squareShowsCanvas(const Surface& screen, const Surface& canvas, int left)
{
    const int x0 = std::max(0, -left), x1 = std::min(canvas.width(), screen.width() - left);
    for (int y = 0; y < canvas.height(); ++y)
        if (!std::equal(canvas.row(y) + x0, canvas.row(y) + x1, screen.row(y) + x0 + left)) return false;
    return true;
}

struct FrameCase {
    int preset;
    int xscreen, res;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << "preset " << c.preset; }

class ShowFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(ShowFrames, IncrementalMatchesTheWholeCanvasAfterEveryStep)
{
    const FrameCase& c = GetParam();
    ShowRig fast(c.xscreen, c.res), plain(c.xscreen, c.res);
    plain.show.setFrameMode(ShowFrameMode::wholeCanvas);
    const int left = fast.show.state().hdcRes.left;
    for (ShowRig* rig : {&fast, &plain}) rig->show.startAt(c.preset, c.preset % colorCount);

    // Through every drawing of the preset and into the next preset's first point.
    int step = 0;
    for (bool next = false; !next; ++step) {
        ASSERT_LT(step, 100000);
        const int waitFast = fast.show.step();
        ASSERT_EQ(waitFast, plain.show.step());
        ASSERT_TRUE(fast.show.canvas() == plain.show.canvas()) << "canvas, step " << step;
        ASSERT_TRUE(fast.screen == plain.screen) << "screen, step " << step;

        // The circles are on the screen after each point and for a second after the last,
        // never in the canvas; then the screen shows the canvas alone.
        const ShowWait wait = fast.show.lastWait();
        const bool circles = fast.show.state().preset().type != irrationalRose;
        const bool shown = squareShowsCanvas(fast.screen, fast.show.canvas(), left);
        if (wait == ShowWait::point || wait == ShowWait::lastCircles) {
            ASSERT_EQ(shown, !circles) << "step " << step;
        }
        if (wait == ShowWait::finishedCurve) {
            ASSERT_TRUE(shown) << "step " << step;
        }
        next = wait == ShowWait::point && fast.show.state().ctype != c.preset;
    }
}

INSTANTIATE_TEST_SUITE_P(
    OnePresetOfEachType, ShowFrames,
    ::testing::Values(FrameCase{0, 160, 120}, FrameCase{5, 160, 120}, FrameCase{2, 160, 120}, FrameCase{6, 160, 120},
                      FrameCase{20, 160, 120}, FrameCase{18, 160, 120}, FrameCase{3, 160, 120},
                      FrameCase{25, 160, 120}, FrameCase{10, 160, 120}, FrameCase{8, 160, 120},
                      // A screen narrower than the canvas, of odd sides: the square sticks out
                      // on the left and the pen mark is clipped to the screen's width.
                      FrameCase{16, 99, 121}),
    [](const auto& info) { return "preset" + std::to_string(info.param.preset); });

}  // namespace
}  // namespace trochograph::test
