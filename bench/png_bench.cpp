// Throughput of the PNG export of a full-size canvas to a file: a flat canvas (as in the
// Targa benchmark) and the default curve drawn on it, which is what --render writes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "engine/engine.h"
#include "files/png_export.h"

namespace trochograph::bench {
namespace {

// The canvas of `trochograph --render --size side`.
std::unique_ptr<Surface> defaultCurve(int side)
{
    Surface noWindow;
    Engine engine(noWindow);
    engine.rebuildCanvas(side);
    engine.drawWholeCurve();
    return std::make_unique<Surface>(engine.canvas());
}

// Arguments: canvas side, and 1 for the drawn curve rather than a flat colour.
void pngToFile(benchmark::State& run)
{
    const int side = static_cast<int>(run.range(0));
    const auto canvas = run.range(1) ? defaultCurve(side) : std::make_unique<Surface>(side, side, 0x00336699);
    const auto path = std::filesystem::temp_directory_path() / "trochograph-bench.png";
    for (auto _ : run) {
        run.PauseTiming();
        std::filesystem::remove(path);
        run.ResumeTiming();
        if (!writePng(*canvas, path)) run.SkipWithError("the PNG file could not be written");
    }
    run.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
    run.SetBytesProcessed(run.iterations() * 4LL * side * side);
}
BENCHMARK(pngToFile)
    ->ArgNames({"side", "curve"})
    ->Args({9600, 0})
    ->Args({9600, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace
}  // namespace trochograph::bench
