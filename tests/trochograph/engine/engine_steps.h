// Driving an engine in tests: step after step, as the window does, without its pauses.
#pragma once

#include <gtest/gtest.h>

#include "engine_probe.h"

namespace trochograph::test {

// Draws until the curve is complete; returns the number of steps.
inline int renderWholeCurve(Engine& engine, int limit = 1000000)
{
    stateOf(engine).flags.okintro = 0;
    stateOf(engine).flags.okroulette = 1;
    int calls = 0;
    while (stateOf(engine).flags.okroulette && calls < limit) {
        engine.step();
        ++calls;
    }
    return calls;
}

// An engine past its intro drawing into a 600 x 600 window without pauses, for the
// engine's tests to build on.
struct EngineTest : ::testing::Test {
    Surface window{600, 600, canvasGrey};
    Engine engine{window};
    CurveState& s = stateOf(engine);

    void SetUp() override
    {
        s.params.speed = 0;
        s.flags.okintro = 0;
    }
};

}  // namespace trochograph::test
