// Qt tests and modal windows: a script that answers each modal window as it comes up, a
// closer that dismisses whatever opens, and a main that fails a run instead of hanging on
// a modal window that nobody closed.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <deque>
#include <functional>

namespace trochograph::test {

constexpr int modalTimeoutMs = 10000;

// What a modal window is called in a test's record: a message box by its text, any other
// window by its object name.
inline QString modalName(QWidget* modal)
{
    if (auto* box = qobject_cast<QMessageBox*>(modal)) return box->text();
    return modal->objectName();
}

// The window waiting for an answer: the active modal one, or else a message box that
// stands alone (the windows behind such a box go on taking input).
inline QWidget* waitingWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    QWidget* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QMessageBox*>(w)) box = w;
    return box;
}

// Clicks the button `name` of `window`, e.g. "button1" or "radio223": a push button in
// its middle, a radio button or check box on its indicator at the left.
inline void click(QWidget* window, const char* name)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    const bool pushButton = button->inherits("QPushButton");
    const QPoint at = pushButton ? button->rect().center() : QPoint(button->height() / 2, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

// Answers the modal windows in the order they open, one step each; a window left over
// when the steps run out is cancelled (its "button2", else its "button1", else rejected).
// One script at a time: a second would race the first for each window.
class ModalScript {
public:
    using Step = std::function<void(QWidget* modal)>;

    explicit ModalScript(std::deque<Step> steps = {}) : steps_(std::move(steps))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    void then(Step step) { steps_.push_back(std::move(step)); }

    bool done() const { return steps_.empty(); }
    // Every window answered, in order, and the message boxes' captions.
    QStringList seen, captions;

private:
    void answer()
    {
        QWidget* modal = waitingWindow();
        if (!modal || modal == last_) return;
        last_ = modal;
        seen.push_back(modalName(modal));
        if (auto* box = qobject_cast<QMessageBox*>(modal)) captions.push_back(box->windowTitle());
        // Outside this timer's handler, so that a window the step opens is answered too.
        Step step = steps_.empty() ? Step(dismiss) : std::move(steps_.front());
        if (!steps_.empty()) steps_.pop_front();
        QTimer::singleShot(0, modal, [modal, step = std::move(step)] { step(modal); });
    }
    static void dismiss(QWidget* modal)
    {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            return box->done(box->standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
        for (const char* name : {"button2", "button1"})
            if (auto* button = modal->findChild<QAbstractButton*>(QString::fromLatin1(name))) return button->click();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    }

    std::deque<Step> steps_;
    QPointer<QWidget> last_;
    QTimer timer_;
};

// Runs a test object under a watchdog that closes a modal window left open for long and
// counts it as a failure.
inline int runQtTests(QObject& tests, int argc, char** argv)
{
    int forgotten = 0;
    QElapsedTimer modalSince;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        QWidget* modal = waitingWindow();
        if (!modal) {
            modalSince.invalidate();
        } else if (!modalSince.isValid()) {
            modalSince.start();
        } else if (modalSince.elapsed() > modalTimeoutMs) {
            ++forgotten;
            std::fprintf(stderr, "closing a forgotten modal window: %s\n", qPrintable(modalName(modal)));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->close();
            modalSince.invalidate();
        }
    });
    watchdog.start(100);
    const int failed = QTest::qExec(&tests, argc, argv);
    if (forgotten) std::fprintf(stderr, "%d modal window(s) left open by a test\n", forgotten);
    return failed + forgotten;
}

}  // namespace trochograph::test
