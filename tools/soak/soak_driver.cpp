// Draws curve after curve in the real window under the offscreen platform, the way a user
// at the keyboard would: R, wait for the curve to close, then F8 (circle animation on or
// off) or F11 (clear screen) in turn before the next R; with "keep", F8 alone, so that the
// curves pile up on one picture. Once a minute it prints its resident memory, so that a
// slow growth shows over a long run.
//
//   soak_driver MINUTES [SPEED [keep]]
//
// SPEED is the pause after each segment in milliseconds; without it the program's own
// default stays.
#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "shell/qt/application.h"
#include "shell/qt/canvas_view.h"
#include "shell/qt/main_window.h"

using namespace trochograph;

namespace {

// VmRSS of this process in kB, or -1.
long residentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

// Handles events, the window's steps among them, until nothing is drawn any more.
void runUntilIdle(Application& app)
{
    while (!app.window().controller().idle())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool keep = argc == 4 && std::string(argv[3]) == "keep";
    if (argc < 2 || argc > 4 || std::atoi(argv[1]) < 1 || (argc == 4 && !keep)) {
        std::fprintf(stderr, "usage: %s MINUTES [SPEED [keep]]\n", argv[0]);
        return 2;
    }
    const int minutes = std::atoi(argv[1]);
    // Offscreen unless told otherwise, so that the same run can be repeated on a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);

    StartupOptions options;
    options.pictureMilliseconds = 0;
    Application app(options);
    if (!app.start()) return 1;
    MainWindow& window = app.window();
    if (argc >= 3) {
        CurveParameters p = window.engine().parameters();
        p.speed = std::atoi(argv[2]);
        window.engine().setParameters(p);
    }
    // The accelerators answer only while the window is active.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return 1;
    QTest::mouseClick(&window.view(), Qt::LeftButton);  // stops the intro
    runUntilIdle(app);

    std::printf("minute\tcurves\tVmRSS_kB\n");
    std::fflush(stdout);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    long long curves = 0;
    for (int minute = 1; minute <= minutes; ++minute) {
        while (Clock::now() - start < std::chrono::minutes(minute)) {
            QTest::keyClick(&window, Qt::Key_R);
            // Waiting for an idle window to finish would wait for ever.
            if (window.controller().idle()) {
                std::fprintf(stderr, "the window did not take R\n");
                return 1;
            }
            runUntilIdle(app);
            ++curves;
            QTest::keyClick(&window, curves % 2 || keep ? Qt::Key_F8 : Qt::Key_F11);
        }
        std::printf("%d\t%lld\t%ld\n", minute, curves, residentKb());
        std::fflush(stdout);
    }
    return 0;
}
