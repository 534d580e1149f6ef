// Where the show goes in a window of any size when it runs as a screensaver hack.
#pragma once

#include <algorithm>

namespace trochograph {

// The canvas square takes the window's smaller side, so that all of it shows in a
// landscape screen, a portrait window and a small preview alike. The show's screen is as
// wide as the window and that side high, centred vertically; the rest stays black.
struct HackLayout {
    int width = 0;  // the show's screen is width x side
    int side = 0;
    int top = 0;    // the screen's first row in the window
};

inline HackLayout hackLayout(int windowWidth, int windowHeight)
{
    const int side = std::min(windowWidth, windowHeight);
    return {windowWidth, side, (windowHeight - side) / 2};
}

}  // namespace trochograph
