// Driving an engine in tests: step after step, as the window does, without its pauses.
#pragma once

#include "engine/engine.h"

namespace trochograph::test {

// Draws until the curve is complete; returns the number of steps.
inline int renderWholeCurve(Engine& engine, int limit = 1000000)
{
    engine.state.flags.okintro = 0;
    engine.state.flags.okroulette = 1;
    int calls = 0;
    while (engine.state.flags.okroulette && calls < limit) {
        engine.step();
        ++calls;
    }
    return calls;
}

}  // namespace trochograph::test
