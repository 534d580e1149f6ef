// The built-in 256-colour palette that both programs start with.
#pragma once

#include <array>

#include "common/colorref.h"

namespace trochograph {

using Palette = std::array<Colorref, 256>;

extern const Palette builtinPalette;

}  // namespace trochograph
