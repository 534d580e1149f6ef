// What the screen shows, for tests of windows that must follow what they draw. grab()
// would paint a widget afresh, showing what the screen should show rather than what it
// does; the window system's own copy of the window (under the offscreen platform, its
// backing store as last painted) is what the user sees.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "common/colorref.h"
#include "common/surface.h"

namespace trochograph::test {

// The widget's part of the screen, in device pixels. On a scaled screen a grab of one
// window ignores the scale (Qt 6.4's offscreen platform), so the screen is grabbed there
// instead, which shows the first window found at that place: only for a window alone.
inline QImage onScreen(QWidget& widget)
{
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
    return shown.toImage().convertToFormat(QImage::Format_RGB32);
}

// Handles the events that are queued, and those they queue, for a few rounds, whatever the
// clock says: what a window drew must be on the screen after them.
inline void handleQueuedEvents()
{
    for (int round = 0; round < 4; ++round) QCoreApplication::processEvents();
}

inline QRgb qtColor(Colorref c) { return qRgb(redOf(c), greenOf(c), blueOf(c)); }

// Where `shown` first differs from what `expected` gives for each pixel, as text, or
// nothing when it doesn't.
inline std::optional<QString> firstDifference(const QImage& shown, const std::function<QRgb(int x, int y)>& expected)
{
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != (expected(x, y) | 0xFF000000u))
                return QString("(%1, %2) shows %3, not %4")
                    .arg(x)
                    .arg(y)
                    .arg(shown.pixel(x, y) & 0xFFFFFFu, 6, 16, QChar('0'))
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
