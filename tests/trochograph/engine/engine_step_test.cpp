// The engine's step and the pause it asks for: the intro, each relative speed, the
// circles, the debug display's closure figures and a pause that comes during a wait.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/parameter_limits.h"
#include "engine_steps.h"

namespace trochograph::test {
namespace {

struct StepCase {
    const char* name;
    std::function<void(CurveState&)> setUp;
    std::vector<StepRequest> requests;  // of the first steps, in order
    bool drawingAfter;                   // after those steps
};

TEST(EngineStep, AsksForItsPauseAndTheClosureFigures)
{
    auto curve = [](int speed, int animate, int debug) {
        return [=](CurveState& s) {
            s.flags.okintro = 0;
            s.flags.okroulette = 1;
            s.params.speed = speed;
            s.flags.animate = animate;
            s.flags.debug = debug;
        };
    };
    std::vector<StepCase> cases = {
        {"intro", [](CurveState&) {}, {{introFrameMs, false}, {introFrameMs, false}}, true},
        {"intro stopped", [](CurveState& s) { s.flags.stopintro = 1; }, {{introFrameMs, false}}, false},
        {"circles", curve(speedDelay(10), 1, 0), {{0, false}, {0, false}}, true},
        {"debug closure first", curve(speedDelay(1), 0, 1), {{0, true}, {17, false}, {17, false}}, true},
        {"paused", [](CurveState& s) { s.flags.okintro = 0; }, {{0, false}}, false},
    };
    for (int speed = 1; speed <= 10; ++speed) {
        const int delay = speedDelay(speed);
        cases.push_back({"speed", curve(delay, 0, 0), {{delay, false}, {delay, false}}, true});
    }
    EXPECT_EQ(speedDelay(1), 17);
    EXPECT_EQ(speedDelay(10), 0);

    for (const StepCase& c : cases) {
        Surface window(400, 400, canvasGrey);
        Engine engine(window);
        c.setUp(stateOf(engine));
        std::vector<StepRequest> asked;
        for (std::size_t i = 0; i < c.requests.size(); ++i) asked.push_back(engine.step());
        EXPECT_EQ(asked, c.requests) << c.name << " " << stateOf(engine).params.speed;
        EXPECT_EQ(engine.drawing(), c.drawingAfter) << c.name;
    }
}

// An engine drawing a curve.
struct DrawingEngine : EngineTest {
    void SetUp() override
    {
        EngineTest::SetUp();
        s.flags.okroulette = 1;
    }
};

// A set-up with the debug display on draws nothing until the figures were seen; the curve
// then goes on from its first segment, and the record gives the same picture.
TEST_F(DrawingEngine, ClosureFiguresComeBetweenTheSetUpAndTheFirstSegment)
{
    s.flags.debug = 1;
    ASSERT_TRUE(engine.step().closureFigures);
    EXPECT_EQ(s.progress.theta, 0.0) << "no segment before the figures";
    EXPECT_EQ(engine.closureFigures(), "revolutions: 1\nrotations: 4");
    while (s.flags.okroulette) EXPECT_FALSE(engine.step().closureFigures);

    Surface replayed(s.params.res, s.params.res, engine.record().background());
    CanvasSink sink(replayed);
    engine.record().replay(sink);
    EXPECT_TRUE(replayed == engine.canvas());
}

// Pausing during the wait after a step and resuming later goes on from the next segment,
// as if no time had passed.
TEST_F(DrawingEngine, PauseDuringAWaitResumesWithTheNextSegment)
{
    s.params.speed = speedDelay(1);
    for (int i = 0; i < 50; ++i) ASSERT_EQ(engine.step().waitMs, 17);
    const double theta = s.progress.theta;
    s.flags.okroulette = 0;  // a click while the window waits
    EXPECT_FALSE(engine.drawing());
    EXPECT_EQ(engine.step(), StepRequest{});
    EXPECT_EQ(s.progress.theta, theta) << "a paused engine draws nothing";
    s.flags.okroulette = 1;  // R
    EXPECT_EQ(engine.step().waitMs, 17);
    EXPECT_DOUBLE_EQ(s.progress.theta, theta + s.params.increment);
}

}  // namespace
}  // namespace trochograph::test
