// The main window's client area: shows the window surface that the engine draws into, grey
// beyond it, and passes mouse buttons and resizes on.
#pragma once

#include <functional>

#include "common/qt/surface_view.h"

namespace trochograph {

class CanvasView : public SurfaceView {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    std::function<void()> onMouseButton;
    std::function<void()> onResized;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace trochograph
