// What writing the curves for machines takes beside their SVG drawing: the default curve
// and the longest a user can ask for (the irrational rose of 100 circuits), each as SVG,
// G-code and a sand table track at the default tolerance, with the bytes each writes.
#include <benchmark/benchmark.h>

#include "files/gcode_export.h"
#include "files/svg_export.h"
#include "files/theta_rho_export.h"
#include "trochograph/engine/engine_probe.h"

namespace trochograph::bench {
namespace {

// Counts the bytes and keeps none, so that only the encoding is measured.
struct CountingSink final : ByteSink {
    bool write(std::span<const std::uint8_t> bytes) override
    {
        size += bytes.size();
        return true;
    }
    std::size_t size = 0;
};

enum Format { svg, gcode, thetaRho };

// Arguments: the format, and 1 for the irrational rose of 100 circuits, 0 for the default curve.
void machineFile(benchmark::State& run)
{
    Surface noWindow;
    Engine engine(noWindow);
    CurveState& s = stateOf(engine);
    s.params.speed = 0;
    if (run.range(1)) {
        s.params.type = rhodoneaIrrational;
        s.params.kn[rhodoneaIrrational] = 100;
    }
    engine.drawWholeCurve();
    const auto format = static_cast<Format>(run.range(0));
    // The default settings: both curves lie within the table, as they do on the canvas.
    const PlotSettings settings;
    std::size_t bytes = 0;
    for (auto _ : run) {
        CountingSink sink;
        const Result<void> written = format == svg     ? encodeSvg(engine.record(), sink, "")
                                     : format == gcode ? encodeGcode(engine.record(), sink, "", settings)
                                                       : encodeThetaRho(engine.record(), sink, "", settings);
        if (!written) run.SkipWithError(written.message().c_str());
        bytes = sink.size;
    }
    run.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(machineFile)
    ->ArgNames({"format", "rose100"})
    ->ArgsProduct({{svg, gcode, thetaRho}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trochograph::bench
