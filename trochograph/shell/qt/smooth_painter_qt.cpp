#include "shell/qt/smooth_painter_qt.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace trochograph {

namespace {

QColor qtColor(Colorref c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// Strokes each run as one path, so that its joins are round as the raster's and no spot
// is painted twice by its own run; flush() strokes the last.
class PathPainter final : public PolylineSink {
public:
    explicit PathPainter(QPainter& painter) : painter_(painter) {}

    void flush()
    {
        if (!path_.isEmpty()) painter_.strokePath(path_, pen_);
        path_.clear();
    }

private:
    void startRun(Colorref color, int width) override
    {
        flush();
        pen_ = QPen(qtColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    void moveTo(double x, double y) override { path_.moveTo(x, y); }
    void lineTo(double x, double y) override { path_.lineTo(x, y); }

    QPainter& painter_;
    QPainterPath path_;
    QPen pen_;
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
