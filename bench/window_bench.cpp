// The real window drawing the default hypotrochoid under the offscreen platform, driven by
// its own event loop: steps per second at speed 0, with and without the animated circles,
// events, repaints and all; and the pace at speed 1.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cmath>

#include "shell/qt/application.h"
#include "shell/qt/canvas_view.h"
#include "shell/qt/main_window.h"
#include "trochograph/engine/engine_probe.h"

namespace trochograph::bench {
namespace {

// Handles events (the window's steps among them) until `done` holds.
template <class Done>
void runEventsUntil(const Done& done)
{
    while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// The steps drawn of the current curve: theta grows by the increment at each.
long long stepsDrawn(const CurveState& s) { return std::llround(s.progress.theta / s.params.increment); }

// The steps of a whole curve with these parameters, counted without a window.
long long stepsPerCurve(const CurveParameters& parameters)
{
    Surface noWindow;
    Engine engine(noWindow);
    engine.setParameters(parameters);
    engine.startWholeCurve();
    long long steps = 0;
    for (; engine.drawing(); ++steps) engine.drawSteps(1);
    return steps;
}

// A started window with the intro stopped, drawing the default hypotrochoid.
struct DrawingWindow {
    Application app{[] {
        StartupOptions options;
        options.pictureMilliseconds = 0;
        return options;
    }()};
    bool started = app.start();
    CurveState& s = stateOf(app.window().engine());

    DrawingWindow(int speed, int animate)
    {
        if (!started) return;
        QTest::mouseClick(&app.window().view(), Qt::LeftButton);  // stops the intro
        runEventsUntil([&] { return s.flags.okintro == 0; });
        s.params.speed = speed;
        s.params.type = hypotrochoid;
        s.flags.animate = animate;
    }
    void draw()
    {
        s.flags.okroulette = 1;
        app.window().afterInput();
    }
};

void windowDrawsHypotrochoid(benchmark::State& run)
{
    DrawingWindow w(0, static_cast<int>(run.range(0)));
    if (!w.started) return run.SkipWithError("the window did not start");
    const long long curveSteps = stepsPerCurve(w.s.params);
    long long steps = 0;
    for (auto _ : run) {
        w.draw();
        runEventsUntil([&] { return w.s.flags.okroulette == 0; });
        steps += curveSteps;
    }
    run.counters["steps_per_second"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(windowDrawsHypotrochoid)->ArgName("animate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// At speed 1 the window pauses 17 ms after each step: about 59 steps a second.
void windowAtSpeedOne(benchmark::State& run)
{
    DrawingWindow w(17, 0);
    if (!w.started) return run.SkipWithError("the window did not start");
    for (auto _ : run) {
        w.draw();
        QElapsedTimer clock;
        clock.start();
        runEventsUntil([&] { return clock.elapsed() >= 1000; });
        run.counters["steps_per_second"] = static_cast<double>(stepsDrawn(w.s)) * 1000.0 / clock.elapsed();
        w.s.flags.okroulette = 0;
        w.s.restart();
    }
}
BENCHMARK(windowAtSpeedOne)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

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
