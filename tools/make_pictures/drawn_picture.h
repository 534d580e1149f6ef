// A finished picture before it becomes a file: the pixels the raster drew, the lines of text
// to set on top of them, and which colour, if any, stands for "transparent".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/colorref.h"
#include "common/geometry.h"
#include "common/surface.h"

namespace trochograph::pictures {

enum class Typeface { sans, serif };

// One line of text, centred in `box`, `pixelSize` pixels high.
struct Caption {
    std::string text;  // UTF-8
    Rect box;
    int pixelSize = 12;
    Colorref color = 0x00FFFFFF;
    bool bold = false;
    Typeface typeface = Typeface::sans;
    // The help pictures set the names of variables in italic serif.
    bool italic = false;
};

struct Picture {
    Surface surface;
    std::vector<Caption> captions;
    // Pixels of exactly this colour become fully transparent.
    std::optional<Colorref> transparent;
};

}  // namespace trochograph::pictures
