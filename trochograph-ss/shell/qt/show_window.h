// The show's one window: borderless over the whole screen, black, without a cursor. It
// presents the screen picture the renderer draws into, one picture pixel to each of the
// screen's device pixels, and passes input on with positions in device pixels.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "common/span_recorder.h"
#include "common/surface.h"
#include "shell/show_controls.h"

namespace trochograph {

class ShowWindow : public QWidget {
    Q_OBJECT
public:
    // `screenGeometry` in the window system's units, `pixelRatio` device pixels to each.
    ShowWindow(const QRect& screenGeometry, double pixelRatio, ShowControls& controls);

    // The whole screen as the renderer draws it.
    Surface& picture() { return screen_; }
    // Schedules a repaint of what was drawn since the last call.
    void present();

    // Called after each input event has reached the controls, and after each mouse
    // movement in particular.
    std::function<void()> onInput;
    std::function<void()> onMouseMoved;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The window's rectangle (in its units) over the picture's pixels in `area`.
    QRect windowArea(const QRectF& area) const;

    double pixelRatio_;
    Surface screen_;
    SpanRecorder changes_;
    QImage shown_;  // the screen in the window system's pixel format
    ShowControls& controls_;
};

}  // namespace trochograph
