#include <gtest/gtest.h>

#include "shell/true_color.h"

namespace trochograph::test {
namespace {

TEST(TrueColorFormat, PutsEachChannelUnderItsMask)
{
    struct Case {
        const char* visual;
        std::uint32_t red, green, blue;
        int depth;
        std::uint32_t black, pureRed, pureBlue, mixed;  // mixed: rgb(0x12, 0x80, 0xFE)
    };
    const Case cases[] = {
        {"depth 24 RGB", 0xFF0000, 0x00FF00, 0x0000FF, 24, 0, 0xFF0000, 0x0000FF, 0x1280FE},
        {"depth 24 BGR", 0x0000FF, 0x00FF00, 0xFF0000, 24, 0, 0x0000FF, 0xFF0000, 0xFE8012},
        // The alpha byte, under no mask, is set so that a compositor shows the pixel.
        {"depth 32 ARGB", 0xFF0000, 0x00FF00, 0x0000FF, 32, 0xFF000000, 0xFFFF0000, 0xFF0000FF, 0xFF1280FE},
        // Narrower channels are scaled with rounding: full stays full.
        {"depth 16 565", 0xF800, 0x07E0, 0x001F, 16, 0, 0xF800, 0x001F, (2u << 11) | (32u << 5) | 31u},
    };
    for (const Case& c : cases) {
        const TrueColorFormat format(c.red, c.green, c.blue, c.depth);
        EXPECT_EQ(format.pixel(rgb(0, 0, 0)), c.black) << c.visual;
        EXPECT_EQ(format.pixel(rgb(255, 0, 0)), c.pureRed) << c.visual;
        EXPECT_EQ(format.pixel(rgb(0, 0, 255)), c.pureBlue) << c.visual;
        EXPECT_EQ(format.pixel(rgb(0x12, 0x80, 0xFE)), c.mixed) << c.visual;
    }
}

}  // namespace
}  // namespace trochograph::test
