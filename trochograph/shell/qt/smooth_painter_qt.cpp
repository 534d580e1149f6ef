#include "shell/qt/smooth_painter_qt.h"

#include <memory>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSemaphore>
#include <QThreadPool>

namespace trochograph {

namespace {

QColor qtColor(Colorref c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QPointF centreOf(Point p) { return {pixelCentre(p.x), pixelCentre(p.y)}; }

// Strokes each run as one path, so that its joins are round as the raster's and no spot
// is painted twice by its own run; paints each figure where it comes between the runs.
class PathPainter final : public PolylineSink {
public:
    explicit PathPainter(QPainter& painter) : painter_(painter) {}

private:
    void startRun(Colorref color, int width) override
    {
        pen_ = QPen(qtColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    void moveTo(double x, double y) override { path_.moveTo(x, y); }
    void lineTo(double x, double y) override { path_.lineTo(x, y); }
    void finishRun() override
    {
        painter_.strokePath(path_, pen_);
        path_.clear();
    }

    void outline(const EllipseOutline& f) override
    {
        const VectorEllipse e = vectorEllipse(f.box);
        painter_.setPen(QPen(qtColor(f.color), f.width));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(QPointF(e.cx, e.cy), e.rx, e.ry);
    }
    void line(const StraightLine& f) override
    {
        painter_.setPen(QPen(qtColor(f.color), f.width, Qt::SolidLine, Qt::RoundCap));
        painter_.drawLine(centreOf(f.from), centreOf(f.to));
    }
    // A disc about as large as the dot's 13 pixels, cut where the raster cuts the dot.
    void dot(const PenDot& f) override
    {
        if (!f.touchesClip()) return;
        painter_.save();
        const Rect& c = f.clip;
        if (!f.wholeInside()) painter_.setClipRect(QRect(c.left, c.top, c.right - c.left, c.bottom - c.top));
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(qtColor(f.color));
        painter_.drawEllipse(centreOf(f.at), 2.0, 2.0);
        painter_.restore();
    }

    QPainter& painter_;
    QPainterPath path_;
    QPen pen_;
};

}  // namespace

// QPainter splits large fills over Qt's global thread pool and waits for every piece. A pool
// thread that can't be created (no address space left beside a large picture) leaves it
// waiting for ever, so every thread the pool may use is started here, once, before the
// picture is allocated, and kept: the pool then never needs a new one.
Result<void> QtSmoothPainter::prepare()
{
    static const bool started = [] {
        QThreadPool* pool = QThreadPool::globalInstance();
        pool->setExpiryTimeout(-1);
        const int count = pool->maxThreadCount();
        // Shared, for a thread that starts after this gives up on it.
        const auto running = std::make_shared<QSemaphore>();
        const auto finish = std::make_shared<QSemaphore>();
        for (int i = 0; i < count; ++i)
            pool->start([running, finish] {
                running->release();
                finish->acquire();
            });
        const bool allRunning = running->tryAcquire(count, 10000);
        finish->release(count);
        pool->waitForDone(1000);
        return allRunning;
    }();
    if (!started) return Error{ErrorCode::noMemory, "can't start the threads that paint smooth pictures"};
    return {};
}

void QtSmoothPainter::paint(const DrawingRecord& record, RgbPicture& picture)
{
    QImage image(picture.pixels.get(), picture.side, picture.side, picture.stride, QImage::Format_RGB888);
    image.fill(qtColor(record.background()));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PathPainter paths(painter);
    record.replay(paths);
    paths.endRun();
}

}  // namespace trochograph
