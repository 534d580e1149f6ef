#include "smooth_painter_qt.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace trochograph {

namespace {

QColor qtColor(Colorref c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// Strokes each run of joined segments of one colour and pen as one path, so that the
// joins are round as the raster's, and no spot is painted twice by its own run.
class PathPainter final : public SegmentSink {
public:
    explicit PathPainter(QPainter& painter) : painter_(painter) {}

    void segment(const Segment& s) override
    {
        const bool samePen = !path_.isEmpty() && s.color == color_ && s.width == width_;
        if (!samePen) {
            flush();
            color_ = s.color;
            width_ = s.width;
        }
        const QPointF from(s.x0, s.y0);
        if (path_.isEmpty() || path_.currentPosition() != from) path_.moveTo(from);
        path_.lineTo(s.x1, s.y1);
    }

    void flush()
    {
        if (path_.isEmpty()) return;
        painter_.strokePath(path_, QPen(qtColor(color_), width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        path_.clear();
    }

private:
    QPainter& painter_;
    QPainterPath path_;
    Colorref color_ = 0;
    int width_ = 1;
};

}  // namespace

void QtSmoothPainter::paint(const DrawingRecord& record, RgbPicture& picture)
{
    QImage image(picture.pixels.get(), picture.side, picture.side, picture.stride, QImage::Format_RGB888);
    image.fill(qtColor(record.background()));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PathPainter paths(painter);
    record.replay(paths);
    paths.flush();
}

}  // namespace trochograph
