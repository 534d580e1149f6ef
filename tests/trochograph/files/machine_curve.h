// The curve the machine files' tests write: a rational rose drawn whole, whose drawing
// record the writers replay.
#pragma once

#include <gtest/gtest.h>

#include "trochograph/engine/engine_steps.h"

namespace trochograph::test {

struct MachineCurveTest : ::testing::Test {
    Surface window{300, 300, canvasGrey};
    Engine engine{window};
    CurveState& s = stateOf(engine);

    void drawRose(int res, double scale)
    {
        s.params.speed = 0;
        engine.rebuildCanvas(res);
        s.params.type = rhodoneaRational;
        s.params.scale[s.params.type] = scale;
        s.params.increment = 0.01;
        s.restart();
        renderWholeCurve(engine);
    }
};

}  // namespace trochograph::test
