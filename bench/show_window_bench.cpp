// The show's real window under the offscreen platform: points per second of the whole
// loop, steps, presenting and events, for the irrational rose (no circles, no pause) and
// for an epitrochoid with its circles at no pause.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "shell/qt/show_application.h"
#include "shell/qt/show_window.h"
#include "show/show.h"

namespace trochograph::bench {
namespace {

void showWindowDraws(benchmark::State& run)
{
    ShowApplication app;
    if (!app.start()) {
        run.SkipWithError("the window did not start");
        return;
    }
    // Fastest: no pause after a point.
    QTest::keyClick(&app.window(), Qt::Key_F);
    QTest::keyClick(&app.window(), Qt::Key_F);
    const int preset = static_cast<int>(run.range(0));
    app.show().startAt(preset, preset);
    long long points = 0;
    for (auto _ : run) {
        // The same preset over and over, without the pauses between presets.
        if (app.show().state().ctype != preset || app.show().inLongPause()) {
            run.PauseTiming();
            if (app.show().state().ctype != preset) app.show().startAt(preset, preset);
            while (app.show().state().theta == 0.0 || app.show().inLongPause()) app.tick();
            run.ResumeTiming();
        }
        const double before = app.show().state().theta;
        app.tick();
        QCoreApplication::processEvents();
        const double after = app.show().state().theta;
        // A turn that ended a curve or waited at its start draws no points worth counting.
        if (after > before) points += static_cast<long long>((after - before) / 0.005 + 0.5);
    }
    run.counters["points_per_second"] = benchmark::Counter(static_cast<double>(points), benchmark::Counter::kIsRate);
}
BENCHMARK(showWindowDraws)->ArgName("preset")->Arg(6)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace trochograph::bench

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
