#include "common/palette.h"

#include <gtest/gtest.h>

namespace trochograph {
namespace {

TEST(BuiltinPalette, SpotValuesAndNoHighByte)
{
    EXPECT_EQ(builtinPalette[0], 0x0000C0B4u);
    EXPECT_EQ(builtinPalette[128], 0x00FC3844u);
    EXPECT_EQ(builtinPalette[255], 0x0000C4B8u);
    for (Colorref c : builtinPalette) EXPECT_EQ(c >> 24, 0u) << std::hex << c;
}

}  // namespace
}  // namespace trochograph
