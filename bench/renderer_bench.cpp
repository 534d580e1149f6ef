// Cost of one renderer step, by canvas side, with and without the animated circles.
#include <benchmark/benchmark.h>

#include "trochograph/engine/engine_probe.h"

namespace trochograph::bench {
namespace {

// Arguments: canvas side, animate, frame mode (0 incremental, 1 whole canvas).
void rendererStep(benchmark::State& run)
{
    Surface window(1920, 1042, canvasGrey);  // a typical desktop window
    Engine engine(window);
    engine.rebuildCanvas(static_cast<int>(run.range(0)));
    CurveState& s = stateOf(engine);
    s.params.speed = 0;
    s.flags.okintro = 0;
    s.flags.animate = static_cast<int>(run.range(1));
    if (run.range(2)) circlesOf(engine).setFrameMode(FrameMode::wholeCanvas);
    // The default hypotrochoid: its moving circle is large, the harder case for frames.
    s.params.type = hypotrochoid;
    for (auto _ : run) {
        s.flags.okroulette = 1;
        engine.step();
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(rendererStep)
    ->ArgNames({"res", "animate", "whole"})
    ->Args({600, 0, 0})
    ->Args({9600, 0, 0})
    ->Args({600, 1, 0})
    ->Args({9600, 1, 0})
    ->Args({600, 1, 1})
    ->Args({2400, 1, 1});

// One frame of the circles alone, the same circles at the same place in the window on
// canvases of different sides: what a frame costs beyond drawing the circles.
void circleFrameFixedSize(benchmark::State& run)
{
    Surface window(1920, 1042, canvasGrey);  // a typical desktop window
    Engine engine(window);
    engine.rebuildCanvas(static_cast<int>(run.range(0)));
    CurveState& s = stateOf(engine);
    s.flags.okintro = 0;
    // The moving circle's centre at (400, 300) of the canvas, whatever its side.
    s.progress.center1x = 400 - s.params.halfres();
    s.progress.center1y = 300 - s.params.halfres();
    s.progress.pt[1] = {460, 330};
    circlesOf(engine).drawcircles(window, 200, 60, 0);
    for (auto _ : run) {
        s.progress.delta += 0.01;
        circlesOf(engine).drawcircles(window, 200, 60, 1);
    }
}
BENCHMARK(circleFrameFixedSize)->ArgName("res")->Arg(600)->Arg(9600);

}  // namespace
}  // namespace trochograph::bench
