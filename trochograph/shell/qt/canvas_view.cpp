#include "shell/qt/canvas_view.h"

#include <QMouseEvent>

#include "engine/visible_area.h"

namespace trochograph {

CanvasView::CanvasView(QWidget* parent) : SurfaceView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setBeyond(QColor(redOf(canvasGrey), greenOf(canvasGrey), blueOf(canvasGrey)));
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
