#include "shell/qt/background_job.h"

#include <QLabel>
#include <QProgressDialog>
#include <exception>
#include <new>

namespace trochograph {

namespace {

constexpr int pollMilliseconds = 50;

}  // namespace

BackgroundJob::BackgroundJob(QWidget* owner, const std::optional<std::string>& title, Work work, Done done)
    : done_(std::move(done))
{
    if (title) {
        progress_ = new QProgressDialog(QString::fromStdString(*title), QObject::tr("Cancel"), 0, 1000, owner);
        progress_->setObjectName(QStringLiteral("progress"));
        // The title names the film's file, shown as it is rather than as rich text.
        auto* label = new QLabel(QString::fromStdString(*title));
        label->setTextFormat(Qt::PlainText);
        progress_->setLabel(label);
        progress_->setWindowTitle(QString::fromStdString(*title));
        progress_->setWindowModality(Qt::NonModal);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setMinimumDuration(0);
        progress_->setValue(0);
        progress_->show();
        connect(progress_, &QProgressDialog::canceled, this, &BackgroundJob::cancel);
        connect(&poll_, &QTimer::timeout, this, &BackgroundJob::showProgress);
        poll_.start(pollMilliseconds);
    }
    worker_ = std::thread([this, work = std::move(work)] {
        const ProgressReport report = [this](double done) {
            permille_ = static_cast<int>(done * 1000);
            return !stop_;
        };
        // An exception must not leave the thread: it comes back as the work's failure.
        try {
            result_ = work(report);
        } catch (const std::bad_alloc&) {
            result_ = Error{ErrorCode::noMemory, "not enough memory"};
        } catch (const std::exception& e) {
            result_ = Error{ErrorCode::writeFailed, e.what()};
        }
        // Queued, so that the window's thread takes the result, even from an event loop
        // that has not started yet.
        QMetaObject::invokeMethod(this, &BackgroundJob::finish, Qt::QueuedConnection);
    });
}

BackgroundJob::~BackgroundJob()
{
    stop_ = true;
    if (worker_.joinable()) worker_.join();
    delete progress_;
}

void BackgroundJob::cancel()
{
    stop_ = true;
    if (progress_) progress_->hide();
}

void BackgroundJob::showProgress() { progress_->setValue(permille_); }

void BackgroundJob::finish()
{
    if (finished_) return;
    finished_ = true;
    worker_.join();
    poll_.stop();
    if (progress_) progress_->hide();
    if (done_) done_(result_);
    emit ended();
}

}  // namespace trochograph
