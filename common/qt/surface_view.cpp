#include "common/qt/surface_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "common/qt/surface_image.h"

namespace trochograph {

SurfaceView::SurfaceView(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    changes_.onNews([this] { drawn(); });
    surface_.attach(changes_);
}

void SurfaceView::drawn()
{
    if (queued_) return;
    queued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            queued_ = false;
            takeChanges();
        },
        Qt::QueuedConnection);
}

void SurfaceView::showNow()
{
    takeChanges();
    repaint();
}

void SurfaceView::takeChanges(const QRegion& painting)
{
    if (beforeShowing) beforeShowing();
    const Rect copied = copyChanges(surface_, changes_, shown_);
    changes_.clear();
    const QRegion asked = widgetArea(copied) - painting;
    if (asked.isEmpty()) return;
    asked_ += asked;
    update(asked);
}

QRegion SurfaceView::widgetArea(const Rect& area) const
{
    if (area.empty()) return {};
    const QRectF pixels(area.left, area.top, area.right - area.left, area.bottom - area.top);
    return QRectF(pixels.topLeft() / pixelRatio_, pixels.size() / pixelRatio_).toAlignedRect();
}

Rect SurfaceView::surfaceArea(const QRect& area) const
{
    const QRect pixels = QRectF(QPointF(area.topLeft()) * pixelRatio_, QSizeF(area.size()) * pixelRatio_).toAlignedRect();
    return {pixels.left(), pixels.top(), pixels.right() + 1, pixels.bottom() + 1};
}

void SurfaceView::paintEvent(QPaintEvent* event)
{
    // Whatever the drawing didn't ask for was asked for by the window system.
    const QRegion exposed = event->region() - asked_;
    asked_ -= event->region();
    if (onExposed)
        for (const QRect& r : exposed) onExposed(surfaceArea(r));
    // What was drawn meanwhile shows now, here or in a repaint of its own.
    takeChanges(event->region());

    QPainter painter(this);
    const QRect area = event->rect();
    const QRectF pixels(QPointF(area.topLeft()) * pixelRatio_, QSizeF(area.size()) * pixelRatio_);
    if (!QRectF(shown_.rect()).contains(pixels)) painter.fillRect(area, beyond_);
    painter.drawImage(QRectF(area), shown_, pixels);
}

}  // namespace trochograph
