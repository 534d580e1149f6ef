#include "shell/true_color.h"

#include <bit>

namespace trochograph {

TrueColorFormat::TrueColorFormat(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask, int depth)
    : red_(channel(redMask)), green_(channel(greenMask)), blue_(channel(blueMask))
{
    const std::uint32_t depthBits = depth >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << depth) - 1;
    opaque_ = depthBits & ~(redMask | greenMask | blueMask);
}

TrueColorFormat::Channel TrueColorFormat::channel(std::uint32_t mask)
{
    Channel values{};
    if (mask == 0) return values;
    const int shift = std::countr_zero(mask);
    const std::uint32_t largest = mask >> shift;  // every bit of a contiguous mask
    // Scaled with rounding, so that 0 and 255 stay black and full in any width of channel.
    for (std::uint32_t v = 0; v < 256; ++v)
        values[v] = static_cast<std::uint32_t>((static_cast<std::uint64_t>(v) * largest + 127) / 255) << shift;
    return values;
}

}  // namespace trochograph
