// Surfaces as ASCII art, so that tests can show the expected pixels as pictures.
#pragma once

#include <string>

#include "common/surface.h"

namespace trochograph::test {

// Red and blue differ in the byte order of the colour word, so a channel swap shows.
constexpr Colorref red = 0x000000FF;
constexpr Colorref blue = 0x00FF0000;

// One line per row, each starting with a newline: '.' is 0, 'R' red, 'B' blue, '?' any other.
inline std::string picture(const Surface& s)
{
    std::string out;
    for (int y = 0; y < s.height(); ++y) {
        out += '\n';
        for (int x = 0; x < s.width(); ++x) {
            const Colorref c = s.pixel(x, y);
            out += c == 0 ? '.' : c == red ? 'R' : c == blue ? 'B' : '?';
        }
    }
    return out;
}

inline int countColor(const Surface& s, Colorref c)
{
    int n = 0;
    for (Colorref p : s.pixels()) n += p == c;
    return n;
}

}  // namespace trochograph::test
