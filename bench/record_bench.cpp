// What keeping the drawing record costs the renderer: whole curves drawn with and without
// it, and what replaying a record into an SVG document takes.
#include <benchmark/benchmark.h>

#include "quiet_platform.h"
#include "svg_export.h"

namespace trochograph::bench {
namespace {

// Argument: 1 with the record, 0 without.
void wholeCurve(benchmark::State& run)
{
    QuietPlatform platform;
    Engine engine(platform);
    CurveState& s = engine.state;
    s.params.speed = 0;
    s.flags.okintro = 0;
    s.params.type = hypotrochoid;
    Renderer unrecorded(s, engine.canvas, platform, engine.circles);
    Renderer& renderer = run.range(0) ? engine.renderer : unrecorded;
    long long steps = 0;
    for (auto _ : run) {
        s.restartOnFreshBackground();
        s.flags.okroulette = 1;
        while (s.flags.okroulette) {
            renderer.roulette();
            ++steps;
        }
    }
    run.SetItemsProcessed(steps);
}
BENCHMARK(wholeCurve)->ArgName("record")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void svgOfWholeCurve(benchmark::State& run)
{
    QuietPlatform platform;
    Engine engine(platform);
    engine.state.params.speed = 0;
    engine.state.params.type = hypotrochoid;
    engine.drawWholeCurve();
    for (auto _ : run) benchmark::DoNotOptimize(svgDocument(engine.record, "").size());
}
BENCHMARK(svgOfWholeCurve)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trochograph::bench
