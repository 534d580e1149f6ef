// The show from start to end: the full-screen window, the renderer driven by a timer so
// that the window keeps painting through the show's pauses, the controls and the sounds.
#pragma once

#include <QObject>
#include <memory>

#include "shell/show_controls.h"

namespace trochograph {

class Show;
class ShowSounds;
class ShowWindow;
class StepTimer;

class ShowApplication : public QObject {
    Q_OBJECT
public:
    ShowApplication();
    ~ShowApplication() override;

    // Makes the window and shows it, or tells the user why not (a display of fewer than
    // 24 bits per pixel) and returns false; the program then ends with exit code 0.
    bool start();
    // Runs the show until the user ends it; returns the exit code, 0.
    int exec();

    ShowWindow& window() { return *window_; }
    Show& show() { return *show_; }
    const ShowControls& controls() const { return controls_; }

    // Takes the next turn of the show at once instead of after its wait (for tests).
    void tick();

signals:
    void ended();

private:
    class Platform;

    void afterInput();

    ShowControls controls_;
    std::unique_ptr<ShowWindow> window_;
    std::unique_ptr<Platform> platform_;
    std::unique_ptr<Show> show_;
    std::unique_ptr<ShowSounds> sounds_;
    StepTimer* steps_;
    bool finished_ = false;
};

}  // namespace trochograph
