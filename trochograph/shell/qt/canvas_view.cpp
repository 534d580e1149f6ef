#include "shell/qt/canvas_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace trochograph {

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    surface_.attach(changes_);
}

namespace {

QRect toQRect(const Rect& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

void CanvasView::present() { schedule(toQRect(convertChanges())); }

void CanvasView::schedule(const QRegion& region)
{
    if (region.isEmpty()) return;
    presented_ += region;
    update(region);
}

Rect CanvasView::convertChanges()
{
    if (changes_.empty()) return {};
    if (shown_.width() != surface_.width() || shown_.height() != surface_.height())
        shown_ = QImage(surface_.width(), surface_.height(), QImage::Format_RGB32);
    Rect area;
    if (changes_.all()) {
        area = surface_.bounds();
        for (int y = 0; y < area.bottom; ++y) convert(y, 0, area.right);
    } else {
        area = changes_.bounds();
        for (const Span& run : changes_.spans()) convert(run.y, run.x0, run.x1);
    }
    changes_.clear();
    return area;
}

void CanvasView::convert(int y, int x0, int x1)
{
    const Colorref* from = surface_.row(y);
    auto* to = reinterpret_cast<QRgb*>(shown_.scanLine(y));
    for (int x = x0; x < x1; ++x) to[x] = qRgb(redOf(from[x]), greenOf(from[x]), blueOf(from[x]));
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    // Whatever present() didn't ask for was exposed by the window system.
    const QRegion exposed = event->region() - presented_;
    presented_ -= event->region();
    if (onExposed)
        for (const QRect& r : exposed) onExposed({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    // Drawing not yet presented that lies outside this paint gets a paint of its own.
    schedule(QRegion(toQRect(convertChanges())) - event->region());

    QPainter painter(this);
    const QRect area = event->rect();
    // Beyond the picture (only between a resize and its handling) the window is grey.
    if (!shown_.rect().contains(area)) painter.fillRect(area, QColor(128, 128, 128));
    painter.drawImage(area.topLeft(), shown_, area);
}

void CanvasView::resizeEvent(QResizeEvent*)
{
    if (onResized) onResized();
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    if ((event->button() == Qt::LeftButton || event->button() == Qt::RightButton) && onMouseButton) onMouseButton();
}

}  // namespace trochograph
