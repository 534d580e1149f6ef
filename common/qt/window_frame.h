// The frame the window system draws around a window: its title bar and borders.
#pragma once

#include <QMargins>
#include <QWidget>

namespace trochograph {

// None before the window system has framed the window.
inline QMargins windowFrame(const QWidget& window)
{
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace trochograph
