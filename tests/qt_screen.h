// What the screen shows, for tests of windows that must follow what they draw. grab()
// would paint a widget afresh, showing what the screen should show rather than what it
// does; the window system's own copy of the window is what the user sees: under the
// offscreen platform and X11 what grabWindow reads, under Wayland, which keeps the screen
// from its clients, the buffer the window last handed to the compositor.
#pragma once

#include <QBackingStore>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <optional>
#include <set>

#include "common/colorref.h"
#include "common/surface.h"

namespace trochograph::test {

// Wayland leaves where a window lies to the compositor, and lets no client read the screen.
inline bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// The piece of its window's backing store that the widget covers, as last handed to the
// window system. The paint device is only valid between beginPaint and endPaint; painting
// nothing in between changes nothing.
inline QImage inBackingStore(QWidget& widget)
{
    QWidget* window = widget.window();
    QBackingStore* store = window->backingStore();
    if (!store || store->size().isEmpty()) return {};  // nothing painted yet
    store->beginPaint(QRegion());
    const auto* buffer = dynamic_cast<const QImage*>(store->paintDevice());
    const double ratio = window->devicePixelRatioF();
    const QRect area(widget.mapTo(window, QPoint(0, 0)) * ratio, widget.size() * ratio);
    QImage part = buffer ? buffer->copy(area) : QImage();
    store->endPaint();
    return part;
}

// The widget's part of the screen, in device pixels, with its alpha: a pixel that the
// compositor would blend with what lies behind shows as one. On a scaled screen a grab of
// one window ignores the scale (Qt 6.4's offscreen platform), so the screen is grabbed
// there instead, which shows the first window found at that place: only for a window alone.
inline QImage onScreen(QWidget& widget)
{
    if (onWayland()) return inBackingStore(widget).convertToFormat(QImage::Format_ARGB32);
    QWidget* window = widget.window();
    QScreen* screen = window->screen();
    QPixmap shown;
    if (screen->devicePixelRatio() == 1) {
        const QPoint at = widget.mapTo(window, QPoint(0, 0));
        shown = screen->grabWindow(window->winId(), at.x(), at.y(), widget.width(), widget.height());
    } else {
        const QPoint at = widget.mapToGlobal(QPoint(0, 0));
        shown = screen->grabWindow(0, at.x(), at.y(), widget.width(), widget.height());
    }
    return shown.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Timers wait meanwhile, so that no step draws anything that the check after it doesn't
// expect: the flags for handling events in the functions below.
inline constexpr auto queuedEventsOnly = QEventLoop::AllEvents | QEventLoop::X11ExcludeTimers;

// Under Wayland a window is shown only once the compositor has configured it, and paints
// only once the compositor has shown its last frame. Waits for each visible window to be
// shown, then asks each for an update and handles events until every one has had it,
// which comes after the update it was waiting for, if any: what it drew is then in its
// buffer.
inline void waitForFrames()
{
    QElapsedTimer clock;
    clock.start();
    const auto allExposed = [] {
        for (QWindow* window : QGuiApplication::topLevelWindows())
            if (window->isVisible() && !window->isExposed()) return false;
        return true;
    };
    while (!allExposed() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(queuedEventsOnly);
        QThread::usleep(200);  // no busy wait for the compositor
    }

    class UpdateWatch : public QObject {
    public:
        std::set<QObject*> waiting;
        bool eventFilter(QObject* window, QEvent* event) override
        {
            if (event->type() == QEvent::UpdateRequest) waiting.erase(window);
            return false;
        }
    } watch;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (!window->isExposed()) continue;
        window->installEventFilter(&watch);
        watch.waiting.insert(window);
        window->requestUpdate();
    }
    clock.restart();
    while (!watch.waiting.empty() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(queuedEventsOnly);
        QThread::usleep(200);  // no busy wait for the compositor
    }
}

// Handles the events that are queued, and those they queue, for a few rounds, whatever the
// clock says: what a window drew must be on the screen after them (under Wayland, after
// the next frame too).
inline void handleQueuedEvents()
{
    for (int round = 0; round < 4; ++round) QCoreApplication::processEvents(queuedEventsOnly);
    if (!onWayland()) return;
    waitForFrames();
    for (int round = 0; round < 4; ++round) QCoreApplication::processEvents(queuedEventsOnly);
}

inline QRgb qtColor(Colorref c) { return qRgb(redOf(c), greenOf(c), blueOf(c)); }

// Where `shown` first differs from what `expected` gives for each pixel, as text, or
// nothing when it doesn't.
inline std::optional<QString> firstDifference(const QImage& shown, const std::function<QRgb(int x, int y)>& expected)
{
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != (expected(x, y) | 0xFF000000u))
                return QString("(%1, %2) shows %3%4, not %5")
                    .arg(x)
                    .arg(y)
                    .arg(shown.pixel(x, y) & 0xFFFFFFu, 6, 16, QChar('0'))
                    .arg(qAlpha(shown.pixel(x, y)) == 255 ? QString() : QString(" at alpha %1").arg(qAlpha(shown.pixel(x, y))))
                    .arg(expected(x, y) & 0xFFFFFFu, 6, 16, QChar('0'));
    return std::nullopt;
}

// The same for a surface shown at 1:1 from the top-left corner.
inline std::optional<QString> firstDifference(const QImage& shown, const Surface& expected)
{
    if (shown.width() != expected.width() || shown.height() != expected.height())
        return QString("the screen shows %1 x %2 pixels of a %3 x %4 picture")
            .arg(shown.width())
            .arg(shown.height())
            .arg(expected.width())
            .arg(expected.height());
    return firstDifference(shown, [&](int x, int y) { return qtColor(expected.pixel(x, y)); });
}

}  // namespace trochograph::test
