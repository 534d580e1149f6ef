// The show's one window: borderless over the whole screen, black, without a cursor. It
// shows the screen picture the renderer draws into, one picture pixel to each of the
// screen's device pixels, and passes input on with positions in device pixels.
#pragma once

#include <functional>

#include "common/qt/surface_view.h"
#include "shell/show_controls.h"

namespace trochograph {

class ShowWindow : public SurfaceView {
    Q_OBJECT
public:
    // `screenGeometry` in the window system's units, `pixelRatio` device pixels to each.
    ShowWindow(const QRect& screenGeometry, double pixelRatio, ShowControls& controls);

    // The whole screen as the renderer draws it.
    Surface& picture() { return surface(); }

    // Called after each input event has reached the controls, and after each mouse
    // movement in particular.
    std::function<void()> onInput;
    std::function<void()> onMouseMoved;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    double pixelRatio_;
    ShowControls& controls_;
};

}  // namespace trochograph
