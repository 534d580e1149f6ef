// The window's picture on the client side: an XImage of the whole window in the pixel
// format of its TrueColor visual, black where the show doesn't draw, put into the window a
// changed rectangle at a time.
#pragma once

#include <X11/Xlib.h>
#include <cstdint>
#include <vector>

#include "shell/true_color.h"

namespace trochograph {

class Surface;
class SpanRecorder;

// The window a hack draws into, and what X says about its pixels.
struct XTarget {
    Display* display = nullptr;
    Window window = 0;
    Visual* visual = nullptr;  // TrueColor, of depth 24 or 32
    int depth = 0;
};

class XWindowPicture {
public:
    // Black, width x height. Throws std::bad_alloc when the image can't be had.
    XWindowPicture(const XTarget& target, int width, int height);
    ~XWindowPicture();
    XWindowPicture(const XWindowPicture&) = delete;
    XWindowPicture& operator=(const XWindowPicture&) = delete;

    // Converts what `changes` recorded of `screen`, whose first row is row `top` of the
    // window, puts the rectangle around it into the window and clears `changes`.
    void present(const Surface& screen, SpanRecorder& changes, int top);
    // Puts the whole picture into the window again, as after an Expose.
    void repaint();

private:
    void convert(const Surface& screen, int y, int x0, int x1, int top);
    void fillRow(int y, int x0, const std::uint32_t* pixels, int count);
    void put(int x, int y, int width, int height);

    XTarget target_;
    TrueColorFormat format_;
    GC gc_ = nullptr;
    XImage* image_ = nullptr;
    bool direct_ = false;  // 32-bit pixels in the host's byte order: rows are copied whole
    std::vector<std::uint32_t> row_;
};

}  // namespace trochograph
