#include "shell/qt/show_window.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace trochograph {

ShowWindow::ShowWindow(const QRect& screenGeometry, double pixelRatio, ShowControls& controls)
    : SurfaceView(nullptr, Qt::Window | Qt::FramelessWindowHint), pixelRatio_(pixelRatio), controls_(controls)
{
    setWindowTitle("Vell Varezuro");
    setGeometry(screenGeometry);
    setPixelRatio(pixelRatio);
    setBeyond(Qt::black);
    surface().reset(qRound(screenGeometry.width() * pixelRatio), qRound(screenGeometry.height() * pixelRatio), 0);
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ShowWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    switch (event->key()) {
    case Qt::Key_F: controls_.key(ShowKey::faster); break;
    case Qt::Key_S: controls_.key(ShowKey::slower); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: controls_.key(ShowKey::enter); break;
    default: controls_.key(ShowKey::other); break;
    }
    if (onInput) onInput();
}

void ShowWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    controls_.mouseButton();
    if (onInput) onInput();
}

void ShowWindow::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = (event->globalPosition() * pixelRatio_).toPoint();
    controls_.mouseMoved({at.x(), at.y()});
    if (onMouseMoved) onMouseMoved();
    if (onInput) onInput();
}

}  // namespace trochograph
