// The preview of a palette being loaded: a strip of its 256 colours on the background
// colour, in a framed grey box of 296 x 100 pixels shown over the window's top-left corner.
#pragma once

#include "surface.h"

namespace trochograph {

struct CurveState;

constexpr int previewWidth = 296;
constexpr int previewHeight = 100;

// The box for state.paltemp on state.back.
Surface palettePreview(const CurveState& state);

}  // namespace trochograph
