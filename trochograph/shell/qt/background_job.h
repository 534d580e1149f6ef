// Long work beside the window, which stays usable meanwhile: the work runs on a thread of
// its own while a progress window, not modal, shows how far it has come; its Cancel asks
// the work to stop. The result comes back on the window's thread.
#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
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
    // destroyed first.
    BackgroundJob(QWidget* owner, const std::string& title, Work work, Done done);
    // Asks the work to stop and waits for it.
    ~BackgroundJob() override;

    QProgressDialog* progressWindow() const { return progress_; }
    bool finished() const { return finished_; }

signals:
    // After `done` has run.
    void ended();

private:
    void showProgress();
    void finish();

    QProgressDialog* progress_;
    QTimer poll_;
    std::atomic<int> permille_{0};
    std::atomic<bool> stop_{false};
    Result<void> result_;
    Done done_;
    bool finished_ = false;
    std::thread worker_;
};

}  // namespace trochograph
