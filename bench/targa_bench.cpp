// Throughput of the Targa export of a full-size canvas to a file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/surface.h"
#include "files/targa.h"

namespace trochograph::bench {
namespace {

void targaToFile(benchmark::State& run)
{
    const int side = static_cast<int>(run.range(0));
    Surface canvas(side, side, 0x00336699);
    const auto path = std::filesystem::temp_directory_path() / "trochograph-bench.tga";
    for (auto _ : run) {
        // Like dd into a new file: replacing an existing one would add the cost of freeing it.
        run.PauseTiming();
        std::filesystem::remove(path);
        run.ResumeTiming();
        if (!writeTarga(canvas, path)) run.SkipWithError("the Targa file could not be written");
    }
    std::filesystem::remove(path);
    run.SetBytesProcessed(run.iterations() * (18 + 3LL * side * side + 26));
}
BENCHMARK(targaToFile)->ArgName("side")->Arg(9600)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace trochograph::bench
