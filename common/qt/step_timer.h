// Drives drawing steps from the event loop, never sleeping: each turn runs a burst of steps
// (see common/step_burst.h), then waits as long as the last step asked before the next
// turn. A step that answers nothing ends the turns until start() is called again.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace trochograph {

class StepTimer : public QObject {
    Q_OBJECT
public:
    // The pause before the next step in milliseconds, or nothing: nothing more to draw.
    using Step = std::function<std::optional<int>()>;

    explicit StepTimer(Step step, QObject* parent = nullptr);

    // A turn at the next turn of events, unless one is due already or one is under way
    // (which schedules the next itself).
    void start();
    void stop() { next_.stop(); }
    // The next turn at once, whatever it was waiting for.
    void turnNow() { turn(); }

    // While this answers true the turns wait, as they would between two steps: a modal box
    // or dialog is asking the user something.
    std::function<bool()> held;
    // Called before and after each turn's steps.
    std::function<void()> beforeTurn;
    std::function<void()> afterTurn;

private:
    void turn();

    Step step_;
    QTimer next_;
    bool turning_ = false;
};

}  // namespace trochograph
