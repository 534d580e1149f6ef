#include "shell/smooth_painter.h"

#include <new>

namespace trochograph {

RgbPicture pictureFor(const DrawingRecord& record)
{
    RgbPicture picture;
    const auto side = static_cast<std::size_t>(record.res());
    picture.pixels.reset(new (std::nothrow) std::uint8_t[side * side * 3]);
    if (!picture.pixels) return picture;
    picture.side = record.res();
    picture.stride = static_cast<std::ptrdiff_t>(side * 3);
    return picture;
}

}  // namespace trochograph
