// Cost of one step of the show with its circles, by screen size. With incremental frames a
// step costs what the circles cover; with whole-canvas frames it grows with the canvas.
#include <benchmark/benchmark.h>

#include "common/surface.h"
#include "common/trunc_int.h"
#include "show/headless_show_platform.h"
#include "show/show.h"
#include "show/show_circles.h"
#include "show/show_curve.h"

namespace trochograph::bench {
namespace {

// Arguments: screen height (the canvas side), frame mode (0 incremental, 1 whole canvas).
// The screen is 16:9, 1.78 times wider than high.
void showStep(benchmark::State& run)
{
    const int res = static_cast<int>(run.range(0));
    const int xscreen = res * 16 / 9;
    Surface screen(xscreen, res);
    HeadlessShowPlatform platform(screen);
    Show show(platform, xscreen, res);
    if (run.range(1)) show.setFrameMode(ShowFrameMode::wholeCanvas);
    show.setSpeed(0);
    // Preset 9: two moving circles, the first of them large, over 8797 points. Its start
    // clears and copies the whole canvas once; that is left out, as is the curve's end.
    constexpr int preset = 9;
    auto restart = [&] {
        show.startAt(preset, preset);
        while (show.state().theta < 0.1) show.step();
    };
    restart();
    for (auto _ : run) {
        if (show.state().theta + 0.02 >= show.state().st) {
            run.PauseTiming();
            restart();
            run.ResumeTiming();
        }
        benchmark::DoNotOptimize(show.step());
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(showStep)->ArgNames({"res", "whole"})->Args({480, 0})->Args({2160, 0})->Args({480, 1})->Args({2160, 1});

// In the show the circles grow with the screen, and so does the work of drawing them. Here
// the same circles (preset 9's on a screen 480 high) move about the centre of canvases of
// both sizes: what a frame costs beyond the circles themselves.
void showFrameSameCircles(benchmark::State& run)
{
    const int res = static_cast<int>(run.range(0));
    const int xscreen = res * 16 / 9;
    Surface screen(xscreen, res);
    Surface canvas(res, res);
    HeadlessShowPlatform platform(screen);
    ShowState s;
    s.ctype = 9;
    s.setGeometry(480 * 16 / 9, 480);
    setUpPreset(s);
    s.setGeometry(xscreen, res);
    ShowCircles circles(s, canvas, platform);
    if (run.range(1)) circles.setFrameMode(ShowFrameMode::wholeCanvas);
    circles.drawcircles(s.R, s.r1, s.r2, 0);
    for (auto _ : run) {
        advanceAngles(s);
        const CurvePoint p = curvePoint(s);
        s.pt[1] = {truncToInt(p.x) + s.halfres, truncToInt(p.y) + s.halfres};
        circles.drawcircles(s.R, s.r1, s.r2, 1);
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(showFrameSameCircles)
    ->ArgNames({"res", "whole"})
    ->Args({480, 0})
    ->Args({2160, 0})
    ->Args({480, 1})
    ->Args({2160, 1});

}  // namespace
}  // namespace trochograph::bench
