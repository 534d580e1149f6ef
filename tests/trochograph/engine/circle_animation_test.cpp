#include <gtest/gtest.h>

#include <functional>

#include "engine_steps.h"

namespace trochograph::test {
namespace {

bool contains(const Surface& surface, Colorref c, Rect area)
{
    area = area.intersected(surface.bounds());
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (surface.pixel(x, y) == c) return true;
    return false;
}
bool contains(const Surface& surface, Colorref c) { return contains(surface, c, surface.bounds()); }

// Two engines fed the same input, one showing frames the incremental way and one the
// whole-canvas way; after every step their canvases and windows must be identical.
struct Lockstep {
    Surface fastWindow, plainWindow;
    Engine fast{fastWindow}, plain{plainWindow};

    Lockstep(int res, int clientWidth, int clientHeight)
        : fastWindow(clientWidth, clientHeight, canvasGrey), plainWindow(clientWidth, clientHeight, canvasGrey)
    {
        circlesOf(plain).setFrameMode(FrameMode::wholeCanvas);
        for (Engine* e : {&fast, &plain}) {
            e->rebuildCanvas(res);
            stateOf(*e).params.speed = 0;
            stateOf(*e).params.multicolor = 0;
            stateOf(*e).flags.animate = 1;
            stateOf(*e).flags.okintro = 0;
        }
    }
    void both(const std::function<void(Engine&, Surface& window)>& change)
    {
        change(fast, fastWindow);
        change(plain, plainWindow);
    }
    void expectSame(const std::string& where)
    {
        ASSERT_TRUE(fast.canvas() == plain.canvas()) << where;
        ASSERT_TRUE(fastWindow == plainWindow) << where;
    }
    // Runs a whole curve, checking after every step; `atStep` may interfere midway.
    void renderChecked(const std::function<void(int)>& atStep = {})
    {
        both([](Engine& e, Surface&) { stateOf(e).flags.okroulette = 1; });
        for (int step = 0; stateOf(fast).flags.okroulette; ++step) {
            ASSERT_LT(step, 100000);
            fast.step();
            plain.step();
            fast.showFrame();
            expectSame("step " + std::to_string(step));
            if (atStep) atStep(step);
        }
        EXPECT_EQ(stateOf(plain).flags.okroulette, 0);
    }
};

struct FrameCase {
    const char* name;
    int type;
    int clientWidth, clientHeight;
    std::function<void(CurveState&)> setUp;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.name; }

class IncrementalFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(IncrementalFrames, MatchTheWholeCanvasSequencePixelForPixel)
{
    const FrameCase& c = GetParam();
    Lockstep run(151, c.clientWidth, c.clientHeight);
    run.both([&](Engine& e, Surface&) {
        stateOf(e).params.type = c.type;
        if (c.setUp) c.setUp(stateOf(e));
    });
    run.renderChecked();
    // A second curve over the first, as after Render again.
    run.renderChecked();
}

INSTANTIATE_TEST_SUITE_P(
    Curves, IncrementalFrames,
    ::testing::Values(FrameCase{"epitrochoid", 0, 400, 300, {}}, FrameCase{"hypotrochoid", 1, 400, 300, {}},
                      FrameCase{"rose", 2, 400, 300, {}}, FrameCase{"irrational_rose", 3, 400, 300, {}},
                      FrameCase{"narrow_window", 0, 90, 120, {}}, FrameCase{"no_window", 1, 0, 0, {}},
                      FrameCase{"scaled_and_turned", 0, 151, 151,
                                [](CurveState& s) {
                                    s.params.scale[0] = 2.0;
                                    s.params.rottheta = 0.7;
                                }},
                      FrameCase{"ellipse_r_varies", 1, 400, 300,
                                [](CurveState& s) {
                                    s.params.ellipse = 1;
                                    s.params.method = circleVaryingR;
                                }},
                      FrameCase{"actual_ellipse", 0, 400, 300,
                                [](CurveState& s) {
                                    s.params.ellipse = 1;
                                    s.params.method = actualEllipse;
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IncrementalFramesTest, StayExactWhenTheShellInterferesMidCurve)
{
    Lockstep run(151, 200, 200);
    run.both([](Engine& e, Surface&) { stateOf(e).flags.animate = 0; });
    run.renderChecked([&](int step) {
        if (step == 100) {
            // Animation switched on mid-curve: the shell draws the fixed circle.
            run.both([](Engine& e, Surface&) {
                stateOf(e).flags.animate = 1;
                e.showFixedCircle();
            });
        }
        if (step == 200) {
            // The window shrinks, and the shell repaints what it shows from the canvas.
            run.both([](Engine& e, Surface& window) {
                window.reset(120, 80, canvasGrey);
                window.blit({0, 0}, e.canvas(), {0, 0, 120, 80});
            });
        }
        if (step == 300) {
            // The window grows back; the newly shown part is repainted from the canvas.
            run.both([](Engine& e, Surface& window) {
                window.reset(200, 200, canvasGrey);
                window.blit({0, 0}, e.canvas(), {0, 0, 151, 151});
            });
        }
    });
}

TEST(IncrementalFramesTest, MatchDuringTheIntro)
{
    Lockstep run(151, 300, 200);
    run.both([](Engine& e, Surface&) { stateOf(e).flags.okintro = 1; });
    for (int step = 0; step < 300; ++step) {
        if (step == 299) run.both([](Engine& e, Surface&) { stateOf(e).flags.stopintro = 1; });
        run.fast.step();
        run.plain.step();
        run.fast.showFrame();
        run.expectSame("intro step " + std::to_string(step));
    }
    EXPECT_EQ(stateOf(run.fast).flags.okintro, 0);
}

struct CircleAnimationTest : EngineTest {
    void SetUp() override
    {
        EngineTest::SetUp();
        s.params.multicolor = 0;
        s.flags.animate = 1;
    }
};

TEST_F(CircleAnimationTest, OnlyTheLastTrochoidFrameStaysInThePicture)
{
    s.flags.okroulette = 1;
    for (int i = 0; i < 300; ++i) engine.step();
    engine.showFrame();
    EXPECT_TRUE(contains(engine.canvas(), circle_colors::fixedCircle));
    EXPECT_FALSE(contains(engine.canvas(), circle_colors::movingCircle));
    EXPECT_FALSE(contains(engine.canvas(), circle_colors::armOfTrochoid));
    EXPECT_FALSE(contains(engine.canvas(), circle_colors::spokes));
    EXPECT_TRUE(contains(window, circle_colors::movingCircle));
    EXPECT_TRUE(contains(window, circle_colors::armOfTrochoid));

    renderWholeCurve(engine);
    EXPECT_TRUE(contains(engine.canvas(), circle_colors::movingCircle));
    EXPECT_TRUE(contains(engine.canvas(), circle_colors::armOfTrochoid));
    EXPECT_TRUE(contains(engine.canvas(), circle_colors::spokes));
    EXPECT_TRUE(engine.canvas() == window);
}

TEST_F(CircleAnimationTest, RoseEndsWithTheArmInTheWindowOnly)
{
    s.params.type = 2;
    renderWholeCurve(engine);
    engine.showFrame();
    EXPECT_FALSE(contains(engine.canvas(), circle_colors::armOfRose));
    EXPECT_TRUE(contains(window, circle_colors::armOfRose));
    EXPECT_FALSE(contains(window, circle_colors::spokes)) << "a rose has no moving circle";
}

TEST_F(CircleAnimationTest, FixedCircleScalesWithTheCurve)
{
    s.params.scale[0] = 2.0;
    s.flags.okroulette = 1;
    engine.step();
    // R = 44 % of 300 = 132 pixels, doubled.
    const int hr = s.params.halfres();
    EXPECT_EQ(engine.canvas().pixel(hr + 264, hr), circle_colors::fixedCircle);
    EXPECT_EQ(engine.canvas().pixel(hr, hr - 264), circle_colors::fixedCircle);
    EXPECT_EQ(window.pixel(hr - 264, hr), circle_colors::fixedCircle);
    EXPECT_NE(engine.canvas().pixel(hr + 200, hr), circle_colors::fixedCircle);
    // The moving circle's centre sits (R + r) * scale from the canvas centre.
    EXPECT_EQ(engine.circles().center1(), (Point{hr + 330, hr}));
}

TEST_F(CircleAnimationTest, DotNeedsTheBoundOfAFixedCircleCall)
{
    const int hr = s.params.halfres();
    s.progress.center1x = 0;
    s.progress.center1y = 0;
    s.progress.pt[1] = {hr + 50, hr + 50};
    circlesOf(engine).drawcircles(window, 100, 10, 1);
    engine.showFrame();
    EXPECT_EQ(window.pixel(hr + 50, hr + 50), circle_colors::armOfTrochoid);

    circlesOf(engine).drawcircles(window, 100, 10, 0);
    EXPECT_EQ(engine.circles().bound(), (Rect{0, 0, 600, 600}));
    circlesOf(engine).drawcircles(window, 100, 10, 1);
    engine.showFrame();
    EXPECT_EQ(window.pixel(hr + 50, hr + 50), circle_colors::penTip);
}

TEST_F(CircleAnimationTest, IntroRollsACircleOfAQuarterRoundOneOfTwoFifths)
{
    s.flags.okintro = 1;
    EXPECT_EQ(engine.step().waitMs, introFrameMs);
    engine.showFrame();
    EXPECT_DOUBLE_EQ(engine.intro().fixedRadius(), 120);
    EXPECT_DOUBLE_EQ(engine.intro().movingRadius(), 75);
    EXPECT_EQ(engine.circles().center1(), (Point{300 + 195, 300}));
    EXPECT_FALSE(contains(window, circle_colors::armOfTrochoid)) << "no arm while the intro runs";
    EXPECT_TRUE(contains(window, circle_colors::spokes));
}

TEST_F(CircleAnimationTest, IntroStoppedBeforeItsFirstFrameStillDrawsAndHandsOver)
{
    s.flags.okintro = 1;
    s.flags.stopintro = 1;
    s.flags.firstloop = 0;
    s.flags.newcurve = 0;
    engine.step();
    EXPECT_EQ(s.flags.okintro, 0);
    EXPECT_EQ(s.flags.firstloop, 1);
    EXPECT_EQ(s.flags.newcurve, 1);
    EXPECT_EQ(s.progress.theta, 0.0);
    EXPECT_TRUE(contains(engine.canvas(), circle_colors::fixedCircle));
    EXPECT_TRUE(contains(engine.canvas(), circle_colors::movingCircle)) << "the last frame stays";
    EXPECT_FALSE(engine.drawing());
}

TEST_F(CircleAnimationTest, IntroOfARoseShowsOnlyTheFixedCircle)
{
    s.params.type = 2;
    s.flags.okintro = 1;
    s.flags.stopintro = 1;
    engine.step();
    EXPECT_TRUE(contains(engine.canvas(), circle_colors::fixedCircle));
    EXPECT_FALSE(contains(engine.canvas(), circle_colors::movingCircle));
    EXPECT_FALSE(contains(engine.canvas(), circle_colors::spokes));
}

}  // namespace
}  // namespace trochograph::test
