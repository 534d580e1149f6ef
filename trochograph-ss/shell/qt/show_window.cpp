#include "shell/qt/show_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace trochograph {

namespace {

QSize devicePixels(const QRect& geometry, double ratio)
{
    return {qRound(geometry.width() * ratio), qRound(geometry.height() * ratio)};
}

}  // namespace

ShowWindow::ShowWindow(const QRect& screenGeometry, double pixelRatio, ShowControls& controls)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      pixelRatio_(pixelRatio),
      screen_(devicePixels(screenGeometry, pixelRatio).width(), devicePixels(screenGeometry, pixelRatio).height(), 0),
      shown_(devicePixels(screenGeometry, pixelRatio), QImage::Format_RGB32),
      controls_(controls)
{
    setWindowTitle("Vell Varezuro");
    setGeometry(screenGeometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    shown_.fill(Qt::black);
    screen_.attach(changes_);
}

void ShowWindow::present()
{
    if (changes_.empty()) return;
    const Rect area = changes_.all() ? screen_.bounds() : changes_.bounds();
    auto convert = [this](int y, int x0, int x1) {
        const Colorref* from = screen_.row(y);
        auto* to = reinterpret_cast<QRgb*>(shown_.scanLine(y));
        for (int x = x0; x < x1; ++x) to[x] = qRgb(redOf(from[x]), greenOf(from[x]), blueOf(from[x]));
    };
    if (changes_.all())
        for (int y = area.top; y < area.bottom; ++y) convert(y, area.left, area.right);
    else
        for (const Span& run : changes_.spans()) convert(run.y, run.x0, run.x1);
    changes_.clear();
    update(windowArea(QRectF(area.left, area.top, area.right - area.left, area.bottom - area.top)));
}

QRect ShowWindow::windowArea(const QRectF& area) const
{
    const QRectF scaled(area.topLeft() / pixelRatio_, area.size() / pixelRatio_);
    return scaled.toAlignedRect();
}

void ShowWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const QRectF pixels(QPointF(area.topLeft()) * pixelRatio_, QSizeF(area.size()) * pixelRatio_);
    // Beyond the screen picture (a window larger than the screen it was made for): black.
    if (!QRectF(shown_.rect()).contains(pixels)) painter.fillRect(area, Qt::black);
    painter.drawImage(QRectF(area), shown_, pixels);
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
