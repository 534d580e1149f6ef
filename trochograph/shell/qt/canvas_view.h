// The main window's client area: presents the window surface that the engine draws into,
// and passes mouse button and resize events on. What the window system asks to be painted
// again (the window uncovered or restored) is first brought back from its source, so that
// only the drawing's own updates are painted from what was last shown.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

#include "common/span_recorder.h"
#include "common/surface.h"

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
    std::function<void()> onResized;
    // Puts `area` of the surface back as it should be; called before an exposed part of
    // the window is painted.
    std::function<void(const Rect& area)> onExposed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Brings what was drawn into the surface since the last call into the picture Qt
    // paints from; returns the area it touched.
    Rect convertChanges();
    // Asks for a paint of `region` from what is shown.
    void schedule(const QRegion& region);
    // Copies a run of the surface into the picture Qt paints from.
    void convert(int y, int x0, int x1);

    Surface surface_;
    SpanRecorder changes_;
    // The surface in the window system's own pixel format, so that painting is a plain
    // copy: converting while painting would be repeated on every expose.
    QImage shown_;
    // Areas present() has asked to be painted and that haven't been yet.
    QRegion presented_;
};

}  // namespace trochograph
