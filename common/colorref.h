// Colour words as the drawing code stores them: 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace trochograph {

using Colorref = std::uint32_t;

constexpr Colorref rgb(int red, int green, int blue)
{
    return static_cast<Colorref>(red & 0xFF) | static_cast<Colorref>(green & 0xFF) << 8 |
           static_cast<Colorref>(blue & 0xFF) << 16;
}

constexpr int redOf(Colorref c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colorref c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colorref c) { return static_cast<int>((c >> 16) & 0xFF); }

// What reading a pixel outside a surface returns; no drawable colour has a high byte.
constexpr Colorref invalidColor = 0xFFFFFFFF;

}  // namespace trochograph
