// Storage, pixels, fills and block copies of the raster; lines and arcs have files of their own.
#include "common/surface.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "common/span_recorder.h"

namespace trochograph {

namespace {

void checkSize(int width, int height)
{
    if (width < 0 || height < 0 || width > Surface::maxSide || height > Surface::maxSide)
        throw std::length_error("surface size " + std::to_string(width) + " x " + std::to_string(height) +
                                " is outside 0.." + std::to_string(Surface::maxSide));
}

}  // namespace

Surface::Surface(int width, int height, Colorref fill)
{
    checkSize(width, height);
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    width_ = width;
    height_ = height;
}

Surface::Surface(const Surface& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_), clip_(other.clip_)
{
}

bool operator==(const Surface& a, const Surface& b)
{
    return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
}

Colorref Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return invalidColor;
    return row(y)[x];
}

void Surface::reset(int width, int height, Colorref fill)
{
    checkSize(width, height);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (count == pixels_.size()) {
        std::fill(pixels_.begin(), pixels_.end(), fill);
    } else {
        // Release the old pixels first so that a resize never holds two canvases at once.
        pixels_.clear();
        pixels_.shrink_to_fit();
        pixels_.assign(count, fill);
    }
    width_ = width;
    height_ = height;
    clip_ = unclipped;
    for (SpanRecorder* r : recorders_) r->markAll();
}

void Surface::attach(SpanRecorder& recorder)
{
    if (std::find(recorders_.begin(), recorders_.end(), &recorder) == recorders_.end())
        recorders_.push_back(&recorder);
}

void Surface::detach(SpanRecorder& recorder)
{
    recorders_.erase(std::remove(recorders_.begin(), recorders_.end(), &recorder), recorders_.end());
}

void Surface::expectDrawing()
{
    for (SpanRecorder* r : recorders_) r->expect();
}

void Surface::notify(int y, int x0, int x1)
{
    for (SpanRecorder* r : recorders_) r->add(y, x0, x1);
}

void Surface::fillSpan(int y, long long x0, long long x1, Colorref c)
{
    const Rect limit = clip();
    if (y < limit.top || y >= limit.bottom) return;
    const int from = static_cast<int>(std::max<long long>(x0, limit.left));
    const int to = static_cast<int>(std::min<long long>(x1, limit.right));
    if (from >= to) return;
    notify(y, from, to);
    std::fill(mutableRow(y) + from, mutableRow(y) + to, c);
}

void Surface::setPixel(int x, int y, Colorref c)
{
    fillSpan(y, x, static_cast<long long>(x) + 1, c);
}

void Surface::fillRect(const Rect& r, Colorref c)
{
    const Rect area = r.intersected(clip());
    for (int y = area.top; y < area.bottom; ++y) fillSpan(y, area.left, area.right, c);
}

void Surface::blit(Point dst, const Surface& src, const Rect& srcRect)
{
    // Work in 64 bits: the offsets between the two rectangles may exceed the int range.
    const long long dx = static_cast<long long>(dst.x) - srcRect.left;
    const long long dy = static_cast<long long>(dst.y) - srcRect.top;
    const Rect limit = clip();
    const long long left = std::max<long long>({srcRect.left, 0, limit.left - dx});
    const long long right = std::min<long long>({srcRect.right, src.width_, limit.right - dx});
    const long long top = std::max<long long>({srcRect.top, 0, limit.top - dy});
    const long long bottom = std::min<long long>({srcRect.bottom, src.height_, limit.bottom - dy});
    if (left >= right || top >= bottom) return;

    const auto width = static_cast<std::size_t>(right - left);
    auto copyRow = [&](long long sy) {
        const int ty = static_cast<int>(sy + dy);
        const int tx = static_cast<int>(left + dx);
        notify(ty, tx, tx + static_cast<int>(width));
        // memmove: the rows may overlap when copying within one surface.
        std::memmove(mutableRow(ty) + tx, src.row(static_cast<int>(sy)) + left, width * sizeof(Colorref));
    };
    // Within one surface, copy rows in the order that never reads an already written row.
    if (&src == this && dy > 0) {
        for (long long sy = bottom - 1; sy >= top; --sy) copyRow(sy);
    } else {
        for (long long sy = top; sy < bottom; ++sy) copyRow(sy);
    }
}

void Surface::copySpan(const Surface& src, int y, int x0, int x1)
{
    blit({x0, y}, src, {x0, y, x1, y + 1});
}

}  // namespace trochograph
