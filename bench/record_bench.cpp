// What keeping the drawing record costs the renderer: whole curves drawn with and without
// it, in one renderer call as the headless renderer draws them and in one call per step as
// the window does; and what replaying a record into an SVG document takes.
#include <benchmark/benchmark.h>

#include <limits>

#include "files/svg_export.h"
#include "trochograph/engine/engine_probe.h"

namespace trochograph::bench {
namespace {

// Arguments: 1 with the record, 0 without; 1 for one call per step, 0 for one per curve;
// 1 with the circles animated, 0 without.
void wholeCurve(benchmark::State& run)
{
    Surface noWindow;
    Engine engine(noWindow);
    CurveState& s = stateOf(engine);
    s.params.speed = 0;
    s.flags.okintro = 0;
    s.flags.animate = static_cast<int>(run.range(2));
    s.params.type = hypotrochoid;
    CircleAnimation unrecordedCircles(s, canvasOf(engine));
    Renderer unrecorded(s, canvasOf(engine), noWindow, unrecordedCircles);
    Renderer& renderer = run.range(0) ? rendererOf(engine) : unrecorded;
    const bool callPerStep = run.range(1) != 0;
    long long curves = 0;
    for (auto _ : run) {
        s.restartOnFreshBackground();
        s.flags.okroulette = 1;
        if (callPerStep)
            while (s.flags.okroulette) renderer.roulette();
        else
            renderer.drawSteps(std::numeric_limits<long long>::max());
        ++curves;
    }
    // 1885 steps a curve.
    run.SetItemsProcessed(curves * 1885);
    run.counters["bytes_per_run"] = sizeof(RecordedRun);
    run.counters["bytes_per_figure"] = sizeof(Figure);
}
BENCHMARK(wholeCurve)
    ->ArgNames({"record", "per_step", "animate"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void svgOfWholeCurve(benchmark::State& run)
{
    Surface noWindow;
    Engine engine(noWindow);
    stateOf(engine).params.speed = 0;
    stateOf(engine).params.type = hypotrochoid;
    engine.drawWholeCurve();
    // Counts the bytes and keeps none, so that only the encoding is measured.
    struct CountingSink final : ByteSink {
        bool write(std::span<const std::uint8_t> bytes) override
        {
            size += bytes.size();
            return true;
        }
        std::size_t size = 0;
    };
    for (auto _ : run) {
        CountingSink sink;
        if (!encodeSvg(engine.record(), sink, "")) run.SkipWithError("the drawing could not be encoded");
        benchmark::DoNotOptimize(sink.size);
    }
}
BENCHMARK(svgOfWholeCurve)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trochograph::bench
