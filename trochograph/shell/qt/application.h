// The interactive program from start to end: opening picture, main window, the event loop
// in which the window draws, and the orderly shutdown with the closing picture.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "shell/startup.h"

namespace trochograph {

class MainWindow;

struct StartupOptions {
    std::string argument;  // the command line's parameter file, possibly in double quotes
    int pictureMilliseconds = 2000;  // how long the opening and closing pictures stay
    // Told of every picture shown, and whether the main window was visible then.
    std::function<void(const char* picture, bool mainWindowVisible)> onPicture;
};

class Application {
public:
    explicit Application(StartupOptions options);
    ~Application();

    // Runs the start-up up to the first showing of the main window. False when the program
    // has to end instead (after telling the user why); it then ends with exit code 0.
    bool start();
    // Runs the event loop until the main window closes, then shuts down; returns the exit
    // code.
    int exec();
    // The shutdown: the window goes, the closing picture shows. Returns the exit code.
    int finish();

    MainWindow& window() { return *window_; }

private:
    void showPicture(const char* name, const char* resource, int width, int height);

    StartupOptions options_;
    ScreenSize screen_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace trochograph
