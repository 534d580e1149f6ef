// The main window's client area: presents the window surface that the engine draws into,
// and passes mouse and resize events on.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "span_recorder.h"
#include "surface.h"

namespace trochograph {

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // What the user sees; drawing into it shows at the next present().
    Surface& surface() { return surface_; }
    // Schedules a repaint of what was drawn into the surface since the last call.
    void present();

    std::function<void()> onMouseButton;
    std::function<void()> onMouseMove;
    std::function<void()> onResized;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Copies a run of the surface into the picture Qt paints from.
    void convert(int y, int x0, int x1);

    Surface surface_;
    SpanRecorder changes_;
    // The surface in the window system's own pixel format, so that painting is a plain
    // copy: converting while painting would be repeated on every expose.
    QImage shown_;
};

}  // namespace trochograph
