// The order of presets and colours over the rounds, and the presets that change from one
// drawing to the next: 5 turned five times over one picture, 14 with a growing d1.
#include <gtest/gtest.h>

#include "show/show_circles.h"
#include "show_rig.h"

namespace trochograph::test {
namespace {

// Whether the surface holds nothing but black and the fixed circle within `area`.
bool onlyFixedCircle(const Surface& s, Rect area)
{
    area = area.intersected(s.bounds());
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (s.pixel(x, y) != 0 && s.pixel(x, y) != show_colors::fixedCircle) return false;
    return true;
}

int countLit(const Surface& s)
{
    int n = 0;
    for (const Colorref p : s.pixels()) n += p != 0;
    return n;
}

// What the show is about to draw, taken at each curve's first wait.
struct CurveStart {
    int ctype, crindex, d1OfPreset14;
    double rtheta;
    bool cleared;  // canvas and screen square hold only the new fixed circle
    friend bool operator==(const CurveStart&, const CurveStart&) = default;
};

void PrintTo(const CurveStart& c, std::ostream* os)
{
    *os << "preset " << c.ctype << " colour " << c.crindex << " d1 " << c.d1OfPreset14 << " rtheta " << c.rtheta
        << (c.cleared ? " cleared" : " over the last");
}

TEST(ShowSequence, PresetsAndColoursDriftAgainstEachOtherOverTwoRounds)
{
    ShowRig rig(19, 13);
    const Rect square = rig.show.state().hdcRes;
    std::vector<CurveStart> seen;
    const std::size_t curves = 2 * (presetCount + 4) + 1;  // two rounds, then preset 0 again
    while (seen.size() < curves) {
        rig.show.step();
        if (rig.show.lastWait() != ShowWait::fixedCircle) continue;
        const ShowState& s = rig.show.state();
        seen.push_back({s.ctype, s.crindex, s.c[growingPreset].d1, s.rtheta,
                        onlyFixedCircle(rig.show.canvas(), s.VhdcRes) && onlyFixedCircle(rig.screen, square)});
        if (s.ctype == growingPreset) {
            EXPECT_DOUBLE_EQ(s.d1, s.halfres * s.c[growingPreset].d1 * 0.01);
        }
    }

    std::vector<CurveStart> expected;
    int colour = 0;
    for (int round = 0; round < 2; ++round) {
        for (int n = 0; n < presetCount; ++n) {
            const int d1 = 20 + 5 * (round + (n > growingPreset ? 1 : 0));
            double rtheta = 0.0;
            // Preset 5: five drawings over one picture, turned 0.1 further each time, in one colour.
            for (int drawing = 0; drawing < (n == turnedPreset ? 5 : 1); ++drawing) {
                expected.push_back({n, colour, d1, rtheta, drawing == 0});
                rtheta += 0.1;
            }
            colour = colour == colorCount - 1 ? 0 : colour + 1;
        }
    }
    expected.push_back({0, 2, 30, 0.0, true});
    EXPECT_EQ(seen, expected);
}

TEST(ShowSequence, PresetFiveTurnsEachDrawingFurtherOverTheLast)
{
    ShowRig rig(81, 61);
    rig.show.startAt(turnedPreset, 5);
    int lit = 0;
    for (int drawing = 0; drawing < 5; ++drawing) {
        runDrawing(rig.show);
        EXPECT_EQ(rig.show.state().ctype, turnedPreset);
        EXPECT_EQ(rig.show.state().crindex, 5);
        const int nowLit = countLit(rig.show.canvas());
        EXPECT_GT(nowLit, lit) << "drawing " << drawing << " adds a turned copy";
        lit = nowLit;
    }
    EXPECT_EQ(rig.show.step(), 1000);
    EXPECT_EQ(rig.show.state().ctype, irrationalPreset);
    EXPECT_EQ(rig.show.state().crindex, 6);
    EXPECT_EQ(rig.show.state().rtheta, 0.0);
    EXPECT_TRUE(onlyFixedCircle(rig.show.canvas(), rig.show.state().VhdcRes)) << "preset 6 starts on a cleared canvas";
}

}  // namespace
}  // namespace trochograph::test
