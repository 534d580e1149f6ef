// A TrueColor visual's pixel format, from its channel masks: the pixel value that X stores
// for a colour of the raster (0x00BBGGRR).
#pragma once

#include <array>
#include <cstdint>

#include "common/colorref.h"

namespace trochograph {

class TrueColorFormat {
public:
    // `depth` is the visual's depth in bits. The bits of the depth that no mask covers (the
    // alpha of a depth-32 visual) are set in every pixel, so that a compositor shows the
    // pixels opaque.
    TrueColorFormat(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask, int depth);

    std::uint32_t pixel(Colorref c) const
    {
        return opaque_ | red_[static_cast<std::size_t>(redOf(c))] | green_[static_cast<std::size_t>(greenOf(c))] |
               blue_[static_cast<std::size_t>(blueOf(c))];
    }

private:
    using Channel = std::array<std::uint32_t, 256>;  // the mask's bits for each 8-bit value
    static Channel channel(std::uint32_t mask);

    Channel red_{};
    Channel green_{};
    Channel blue_{};
    std::uint32_t opaque_ = 0;
};

}  // namespace trochograph
