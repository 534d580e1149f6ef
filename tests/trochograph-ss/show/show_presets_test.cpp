// Each preset drawn once: where it stops, how many points it has, and the waits the show
// asks for around them.
#include <gtest/gtest.h>

#include "show_rig.h"

namespace trochograph::test {
namespace {

constexpr double pi = 3.141592653589793;

struct PresetFigures {
    int preset;
    double stopInPi;  // stop angle in multiples of pi
    int points;       // per drawing
    int pause;        // after each point, at the starting speed of 5 ms
};

void PrintTo(const PresetFigures& f, std::ostream* os) { *os << "preset " << f.preset; }

class ShowPresets : public ::testing::TestWithParam<PresetFigures> {};

TEST_P(ShowPresets, StopAngleAndPointsAndWaits)
{
    const PresetFigures& f = GetParam();
    ShowRig rig(31, 23);
    rig.show.startAt(f.preset, f.preset % colorCount);
    const std::vector<Step> steps = runDrawing(rig.show);
    const bool circles = presetTable[f.preset].type != irrationalRose;

    EXPECT_DOUBLE_EQ(rig.show.state().st, f.stopInPi * pi);
    EXPECT_EQ(countKind(steps, ShowWait::point), f.points);
    // The cursor is pinned once per point, not once per call.
    EXPECT_EQ(rig.platform.pins(), f.points);

    // A second after the fixed circle, the pause after every point, then a second with the
    // last circles (where there are circles) and four seconds with the finished curve.
    ASSERT_EQ(steps.size(), static_cast<std::size_t>(f.points + (circles ? 3 : 2)));
    EXPECT_EQ(steps.front().ms, 1000);
    EXPECT_EQ(steps.front().kind, ShowWait::fixedCircle);
    EXPECT_TRUE(steps.front().longPause);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(f.points); ++i) {
        ASSERT_EQ(steps[i].kind, ShowWait::point) << "step " << i;
        ASSERT_EQ(steps[i].ms, f.pause) << "step " << i;
        ASSERT_FALSE(steps[i].longPause) << "step " << i;
    }
    if (circles) {
        EXPECT_EQ(steps[steps.size() - 2].ms, 1000);
        EXPECT_EQ(steps[steps.size() - 2].kind, ShowWait::lastCircles);
        EXPECT_TRUE(steps[steps.size() - 2].longPause);
    }
    EXPECT_EQ(steps.back().ms, 4000);
    EXPECT_TRUE(steps.back().longPause);
}

INSTANTIATE_TEST_SUITE_P(
    AllPresets, ShowPresets,
    ::testing::Values(PresetFigures{0, 6, 3770, 5}, PresetFigures{1, 6, 3770, 5}, PresetFigures{2, 2, 1257, 5},
                      PresetFigures{3, 4, 2514, 5}, PresetFigures{4, 4, 2514, 5}, PresetFigures{5, 2, 1257, 5},
                      PresetFigures{6, 41.4, 26013, 0}, PresetFigures{7, 18, 11310, 1},
                      PresetFigures{8, 2, 1257, 5}, PresetFigures{9, 14, 8797, 5}, PresetFigures{10, 6, 3770, 5},
                      PresetFigures{11, 10, 6284, 5}, PresetFigures{12, 5, 3142, 5},
                      PresetFigures{13, 10, 6284, 5}, PresetFigures{14, 6, 3770, 5}, PresetFigures{15, 4, 2514, 5},
                      PresetFigures{16, 6, 3770, 5}, PresetFigures{17, 4, 2514, 5}, PresetFigures{18, 4, 2514, 5},
                      PresetFigures{19, 4, 2514, 5}, PresetFigures{20, 2, 1257, 5}, PresetFigures{21, 10, 6284, 5},
                      PresetFigures{22, 14, 8797, 5}, PresetFigures{23, 6, 3770, 5}, PresetFigures{24, 6, 3770, 5},
                      PresetFigures{25, 2, 1257, 5}, PresetFigures{26, 6, 3770, 5}, PresetFigures{27, 14, 8797, 5},
                      PresetFigures{28, 6, 3770, 5}),
    [](const auto& info) { return "preset" + std::to_string(info.param.preset); });

TEST(ShowWaits, PointPausesFollowTheSpeedExceptOnPresetsSixAndSeven)
{
    ShowRig rig(31, 23);
    Show& show = rig.show;
    EXPECT_EQ(show.speed(), 5);
    EXPECT_EQ(show.step(), 1000);
    EXPECT_EQ(show.step(), 5);
    for (const int speed : {10, 0, 1}) {
        show.setSpeed(speed);
        EXPECT_EQ(show.step(), speed);
        EXPECT_FALSE(show.inLongPause());
    }
    show.setSpeed(10);
    for (const auto& [preset, pause] : {std::pair{6, 0}, std::pair{7, 1}}) {
        show.startAt(preset, preset);
        EXPECT_EQ(show.step(), 1000);
        EXPECT_EQ(show.step(), pause) << "preset " << preset;
        EXPECT_EQ(show.step(), pause) << "preset " << preset;
    }
}

}  // namespace
}  // namespace trochograph::test
