// The one way work runs beside the window: on a thread of its own, its result coming back
// on the window's thread. A job with a title shows a progress window, not modal, whose
// Cancel asks the work to stop; whileBusy's jobs have none and are waited for in an event
// loop that takes no input.
#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "common/progress.h"
#include "common/result.h"

class QProgressDialog;
class QWidget;

namespace trochograph {

class BackgroundJob : public QObject {
    Q_OBJECT
public:
    using Work = std::function<Result<void>(const ProgressReport& progress)>;
    using Done = std::function<void(const Result<void>& result)>;

    // Starts `work` at once; `done` runs after it, on this thread, unless the job was
    // destroyed first. With a `title`, a progress window owned by `owner` follows it.
    BackgroundJob(QWidget* owner, const std::optional<std::string>& title, Work work, Done done);
    // Asks the work to stop and waits for it.
    ~BackgroundJob() override;

    // Asks the work to stop at its next report; `done` still hears the result.
    void cancel();

    QProgressDialog* progressWindow() const { return progress_; }
    bool finished() const { return finished_; }

signals:
    // After `done` has run.
    void ended();

private:
    void showProgress();
    void finish();

    QProgressDialog* progress_ = nullptr;
    QTimer poll_;
    std::atomic<int> permille_{0};
    std::atomic<bool> stop_{false};
    Result<void> result_;
    Done done_;
    bool finished_ = false;
    std::thread worker_;
};

}  // namespace trochograph
