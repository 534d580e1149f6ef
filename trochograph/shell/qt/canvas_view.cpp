#include "canvas_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <bit>

namespace trochograph {

namespace {

// 0x00BBGGRR words lie in memory as R, G, B, 0 on a little-endian host: RGBX8888.
QImage imageOf(const Surface& s)
{
    static_assert(std::endian::native == std::endian::little, "pixel layout assumes a little-endian host");
    return QImage(reinterpret_cast<const uchar*>(s.pixels().data()), s.width(), s.height(),
                  static_cast<qsizetype>(s.width()) * 4, QImage::Format_RGBX8888);
}

}  // namespace

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    surface_.attach(changes_);
}

void CanvasView::present()
{
    if (changes_.empty()) return;
    if (changes_.all()) {
        update();
    } else {
        const Rect b = changes_.bounds();
        update(b.left, b.top, b.right - b.left, b.bottom - b.top);
    }
    changes_.clear();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    // Beyond the surface (only between a resize and its handling) the window is grey.
    if (!QRect(0, 0, surface_.width(), surface_.height()).contains(area)) painter.fillRect(area, QColor(128, 128, 128));
    painter.drawImage(area.topLeft(), imageOf(surface_), area);
}

void CanvasView::resizeEvent(QResizeEvent*)
{
    if (onResized) onResized();
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    if ((event->button() == Qt::LeftButton || event->button() == Qt::RightButton) && onMouseButton) onMouseButton();
}

void CanvasView::mouseMoveEvent(QMouseEvent*)
{
    if (onMouseMove) onMouseMove();
}

}  // namespace trochograph
