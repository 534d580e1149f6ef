// Painting the recorded curves anti-aliased takes a painting library, which the core does
// without: the program hands in a painter, and the core owns the pixels it paints into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/result.h"
#include "engine/drawing_record.h"

namespace trochograph {

// A picture of res x res pixels, 8-bit red, green and blue, rows top first.
struct RgbPicture {
    int side = 0;
    std::ptrdiff_t stride = 0;
    std::unique_ptr<std::uint8_t[]> pixels;
};

// Memory for a picture of the record's size, or an empty picture when there is not that
// much to be had (a poster of 16384 pixels a side takes 768 MiB).
RgbPicture pictureFor(const DrawingRecord& record);

class SmoothPainter {
public:
    virtual ~SmoothPainter() = default;
    // Takes what painting needs beyond the picture itself, before the picture's memory is
    // taken; refuses when that can't be had.
    [[nodiscard]] virtual Result<void> prepare() { return {}; }
    // Paints the background and, in the order drawn, every recorded segment (with round
    // caps and joins) and figure of the circles, anti-aliased, into the picture (of the
    // record's size).
    virtual void paint(const DrawingRecord& record, RgbPicture& picture) = 0;
};

}  // namespace trochograph
