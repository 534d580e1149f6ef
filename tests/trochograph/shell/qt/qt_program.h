// The program with its main window, as the Qt tests start it: no timed pictures, and
// events handled until what a test waits for holds.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "qt_modal.h"
#include "shell/qt/application.h"
#include "shell/qt/canvas_view.h"
#include "shell/qt/main_window.h"
#include "trochograph/engine/engine_probe.h"

namespace trochograph::test {

struct Program {
    std::vector<std::pair<std::string, bool>> pictures;
    std::unique_ptr<Application> app;

    explicit Program(std::string argument = {})
    {
        StartupOptions options;
        options.argument = std::move(argument);
        options.pictureMilliseconds = 0;
        options.onPicture = [this](const char* name, bool visible) { pictures.emplace_back(name, visible); };
        app = std::make_unique<Application>(options);
    }
    // Starts the program, and waits for its window to have the keyboard.
    bool start() { return app->start() && activate(); }
    MainWindow& window() { return app->window(); }
    CurveState& state() { return stateOf(window().engine()); }

    // Handles events, the window's steps among them, until `done` holds; a ticking timer
    // keeps an idle window's events coming.
    bool runUntil(const std::function<bool()>& done)
    {
        QTimer tick;
        tick.start(5);
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > modalTimeoutMs) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
        return true;
    }
    // Keys reach the window's accelerators only while it is active. Where a program may
    // activate its window (offscreen, X11) that happens at once; on Wayland the compositor
    // gives the keyboard to a window in its own time, after a round trip, and takes it back
    // from a closed dialog the same way.
    bool activate()
    {
        window().activateWindow();
        return runUntil([&] { return QApplication::activeWindow() == &window(); });
    }
    // Handles what events come in a moment.
    static void settle() { QTest::qWait(30); }
    void stopIntro()
    {
        QTest::mouseClick(&window().view(), Qt::LeftButton);
        QVERIFY(runUntil([&] { return state().flags.okintro == 0; }));
    }
};

}  // namespace trochograph::test
