#include "shell/qt/picture_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

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

void PictureWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    dismiss();
}

void PictureWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    dismiss();
}

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
    // Let the window system map the window before it is drawn; input stays queued.
    QElapsedTimer mapping;
    mapping.start();
    while (!(picture.windowHandle() && picture.windowHandle()->isExposed()) && mapping.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    picture.repaint();
    // The picture stays while events other than input go on being handled.
    QEventLoop showing;
    QTimer::singleShot(milliseconds, &showing, &QEventLoop::quit);
    showing.exec(QEventLoop::ExcludeUserInputEvents);
    picture.hide();
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace trochograph
