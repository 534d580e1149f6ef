#include "picture_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QThread>

namespace trochograph {

PictureWindow::PictureWindow(const QString& resource, const Rect& place, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), picture_(resource)
{
    setGeometry(place.left, place.top, place.right - place.left, place.bottom - place.top);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, picture_);
}

void PictureWindow::keyPressEvent(QKeyEvent*) { dismiss(); }
void PictureWindow::mousePressEvent(QMouseEvent*) { dismiss(); }

void PictureWindow::dismiss()
{
    if (!onDismissed) return;
    auto dismissed = std::move(onDismissed);
    onDismissed = nullptr;
    dismissed();
}

void showTimedPicture(const QString& resource, const Rect& place, int milliseconds)
{
    PictureWindow picture(resource, place);
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    picture.show();
    picture.repaint();
    // Let the window system map and draw the window; input stays queued.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    picture.hide();
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace trochograph
