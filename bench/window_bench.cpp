// The real window drawing the default hypotrochoid at speed 0 under the offscreen
// platform: steps per second, events, repaints and all.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "application.h"
#include "canvas_view.h"
#include "main_window.h"

namespace trochograph::bench {
namespace {

void windowDrawsHypotrochoid(benchmark::State& run)
{
    StartupOptions options;
    options.pictureMilliseconds = 0;
    Application app(options);
    if (!app.start()) {
        run.SkipWithError("the window did not start");
        return;
    }
    CurveState& s = app.window().engine().state;
    QTest::mouseClick(&app.window().view(), Qt::LeftButton);  // stops the intro
    while (s.flags.okintro) app.turn();
    s.params.speed = 0;
    s.params.type = hypotrochoid;
    s.flags.animate = static_cast<int>(run.range(0));
    long long steps = 0;
    for (auto _ : run) {
        s.flags.okroulette = 1;
        while (s.flags.okroulette) {
            app.turn();
            ++steps;
        }
    }
    run.counters["steps_per_second"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(windowDrawsHypotrochoid)->ArgName("animate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
