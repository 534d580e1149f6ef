// A borderless window that shows one picture at 1:1: the opening and closing pictures
// and the About window, which closes at a key or a mouse button.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "common/geometry.h"

namespace trochograph {

class PictureWindow : public QWidget {
    Q_OBJECT
public:
    // `place` is where the picture goes on the screen; a picture that can't be loaded
    // leaves the window black.
    PictureWindow(const QString& resource, const Rect& place, QWidget* owner = nullptr);

    // Set for the About window: called once, at the first key or mouse button.
    std::function<void()> onDismissed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void dismiss();

    QImage picture_;
};

// Shows a picture alone on the screen for a while, with the mouse cursor hidden, taking
// no input meanwhile.
void showTimedPicture(const QString& resource, const Rect& place, int milliseconds);

}  // namespace trochograph
