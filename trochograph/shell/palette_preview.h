// The preview of a palette being loaded: a strip of its 256 colours on the background
// colour, in a framed grey box of 296 x 100 pixels shown over the window's top-left corner.
#pragma once

#include "common/surface.h"
#include "files/map_palette.h"

namespace trochograph {

constexpr int previewWidth = 296;
constexpr int previewHeight = 100;

// The box for a palette read from a file, on the background colour.
Surface palettePreview(const MapTable& table, Colorref background);

}  // namespace trochograph
