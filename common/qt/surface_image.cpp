#include "common/qt/surface_image.h"

namespace trochograph {

namespace {

void copyRun(const Surface& surface, QImage& image, int y, int x0, int x1)
{
    const Colorref* from = surface.row(y);
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = x0; x < x1; ++x) to[x] = qRgb(redOf(from[x]), greenOf(from[x]), blueOf(from[x]));
}

void copyAll(const Surface& surface, QImage& image)
{
    for (int y = 0; y < surface.height(); ++y) copyRun(surface, image, y, 0, surface.width());
}

}  // namespace

QImage toImage(const Surface& surface)
{
    QImage image(surface.width(), surface.height(), QImage::Format_RGB32);
    copyAll(surface, image);
    return image;
}

Rect copyChanges(const Surface& surface, const SpanRecorder& changes, QImage& image)
{
    if (image.width() != surface.width() || image.height() != surface.height()) {
        image = toImage(surface);
        return surface.bounds();
    }
    if (changes.all()) {
        copyAll(surface, image);
        return surface.bounds();
    }
    for (const Span& run : changes.spans()) copyRun(surface, image, run.y, run.x0, run.x1);
    return changes.bounds();
}

}  // namespace trochograph
