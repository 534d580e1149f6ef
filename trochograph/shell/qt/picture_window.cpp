#include "shell/qt/picture_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

namespace trochograph {

PictureWindow::PictureWindow(const QString& resource, const Rect& place, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), picture_(resource)
{
    setGeometry(place.left, place.top, place.right - place.left, place.bottom - place.top);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, picture_);
}

void PictureWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    dismiss();
}

void PictureWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    dismiss();
}

void PictureWindow::dismiss()
{
    if (!onDismissed) return;
    auto dismissed = std::move(onDismissed);
    onDismissed = nullptr;
    dismissed();
}

namespace {

// Ends an event loop when the window it watches is exposed.
class ExposureWatch : public QObject {
public:
    ExposureWatch(QWindow& window, QEventLoop& loop) : window_(window), loop_(loop) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && window_.isExposed()) loop_.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QWindow& window_;
    QEventLoop& loop_;
};

// How long a window system may take to show a new window before the picture's time starts.
constexpr int mappingLimitMilliseconds = 500;

// Waits, handling events other than input, until the window system shows `widget`.
void waitUntilExposed(QWidget& widget)
{
    QWindow* window = widget.windowHandle();
    if (!window || window->isExposed()) return;
    QEventLoop waiting;
    ExposureWatch watch(*window, waiting);
    QTimer::singleShot(mappingLimitMilliseconds, &waiting, &QEventLoop::quit);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void showTimedPicture(const QString& resource, const Rect& place, int milliseconds)
{
    PictureWindow picture(resource, place);
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    picture.show();
    // The picture's time starts once the window system shows it; input stays queued.
    waitUntilExposed(picture);
    picture.repaint();
    // The picture stays while events other than input go on being handled.
    QEventLoop showing;
    QTimer::singleShot(milliseconds, &showing, &QEventLoop::quit);
    showing.exec(QEventLoop::ExcludeUserInputEvents);
    picture.hide();
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace trochograph
