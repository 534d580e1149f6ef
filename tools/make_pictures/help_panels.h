// Side-by-side panels of a help picture, each with a name at its foot.
#pragma once

#include <initializer_list>

#include "drawn_picture.h"

namespace trochograph::pictures {

struct Panel {
    const char* name;
    int width;
};

// The rows at the foot of every panel that hold its name.
constexpr int captionHeight = 20;

// Panels side by side from the left edge: a thin rule between neighbours and each panel's
// name centred in its bottom rows. Called before the panels are drawn, so that their
// labels keep clear of the names.
void separatePanels(Picture& picture, std::initializer_list<Panel> panels);

}  // namespace trochograph::pictures
