// Cost of the raster operations the renderer and the circles use at every step.
#include <benchmark/benchmark.h>

#include "common/surface.h"

namespace trochograph::bench {
namespace {

void lineWidth3(benchmark::State& run)
{
    Surface s(1000, 1000);
    const int length = static_cast<int>(run.range(0));
    int i = 0;
    for (auto _ : run) {
        const int y = 100 + (i++ & 511);
        s.line({200, y}, {200 + length, y + length / 3}, 3, 0x00FFFFFF);
    }
}
BENCHMARK(lineWidth3)->ArgName("length")->Arg(2)->Arg(20)->Arg(500);

void circleOutlineWidth3(benchmark::State& run)
{
    Surface s(2400, 2400);
    const int r = static_cast<int>(run.range(0));
    for (auto _ : run) s.ellipseOutline({1200 - r, 1200 - r, 1200 + r, 1200 + r}, 3, 0x000000FF);
}
BENCHMARK(circleOutlineWidth3)->ArgName("radius")->Arg(33)->Arg(500);

}  // namespace
}  // namespace trochograph::bench
