#include "shell/x11/x_window_picture.h"

#include <X11/Xutil.h>
#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/span_recorder.h"
#include "common/surface.h"

namespace trochograph {

XWindowPicture::XWindowPicture(const XTarget& target, int width, int height)
    : target_(target),
      format_(static_cast<std::uint32_t>(target.visual->red_mask),
              static_cast<std::uint32_t>(target.visual->green_mask),
              static_cast<std::uint32_t>(target.visual->blue_mask), target.depth),
      row_(static_cast<std::size_t>(width))
{
    image_ = XCreateImage(target.display, target.visual, static_cast<unsigned>(target.depth), ZPixmap, 0, nullptr,
                          static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (!image_) throw std::bad_alloc();
    // XDestroyImage frees the pixels with free().
    const auto rowBytes = static_cast<std::size_t>(image_->bytes_per_line);
    image_->data = static_cast<char*>(std::calloc(rowBytes, static_cast<std::size_t>(height)));
    if (!image_->data) {
        XDestroyImage(image_);
        throw std::bad_alloc();
    }
    const int hostOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    direct_ = image_->bits_per_pixel == 32 && image_->byte_order == hostOrder;
    if (const std::uint32_t black = format_.pixel(0); black != 0) {
        std::fill(row_.begin(), row_.end(), black);
        for (int y = 0; y < height; ++y) fillRow(y, 0, row_.data(), width);
    }
    gc_ = XCreateGC(target.display, target.window, 0, nullptr);
}

XWindowPicture::~XWindowPicture()
{
    XFreeGC(target_.display, gc_);
    XDestroyImage(image_);
}

void XWindowPicture::present(const Surface& screen, SpanRecorder& changes, int top)
{
    if (changes.empty()) return;
    const Rect area = (changes.all() ? screen.bounds() : changes.bounds()).intersected(screen.bounds());
    if (changes.all())
        for (int y = area.top; y < area.bottom; ++y) convert(screen, y, area.left, area.right, top);
    else
        for (const Span& run : changes.spans()) convert(screen, run.y, run.x0, run.x1, top);
    changes.clear();
    if (!area.empty()) put(area.left, area.top + top, area.right - area.left, area.bottom - area.top);
}

void XWindowPicture::repaint() { put(0, 0, image_->width, image_->height); }

void XWindowPicture::convert(const Surface& screen, int y, int x0, int x1, int top)
{
    x0 = std::max(x0, 0);
    x1 = std::min({x1, screen.width(), image_->width});
    const int row = y + top;
    if (x0 >= x1 || y < 0 || y >= screen.height() || row >= image_->height) return;
    const Colorref* from = screen.row(y);
    for (int x = x0; x < x1; ++x) row_[static_cast<std::size_t>(x - x0)] = format_.pixel(from[x]);
    fillRow(row, x0, row_.data(), x1 - x0);
}

void XWindowPicture::fillRow(int y, int x0, const std::uint32_t* pixels, int count)
{
    if (direct_) {
        char* to = image_->data + static_cast<std::size_t>(y) * static_cast<std::size_t>(image_->bytes_per_line) +
                   static_cast<std::size_t>(x0) * sizeof(std::uint32_t);
        std::memcpy(to, pixels, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
        return;
    }
    for (int i = 0; i < count; ++i) XPutPixel(image_, x0 + i, y, pixels[i]);
}

void XWindowPicture::put(int x, int y, int width, int height)
{
    XPutImage(target_.display, target_.window, gc_, image_, x, y, x, y, static_cast<unsigned>(width),
              static_cast<unsigned>(height));
}

}  // namespace trochograph
