// The decisions of the program's start: canvas side, window places, the command-line file
// and the display test.
#pragma once

#include <string>

#include "common/geometry.h"

namespace trochograph {

struct ScreenSize {
    int xscreen = 0;
    int yscreen = 0;
};

// The canvas side at start: 128 pixels less than the screen height, at most 600 and, so
// that a tiny screen still gets a usable canvas, at least 100.
int startResolution(const ScreenSize& screen);

// The main window: at the screen's top-left corner, as wide as the screen and 38 pixels
// less high. The window then keeps its frame inside the screen's free area
// (`keptInside`), which may make it smaller; the canvas side doesn't follow.
Rect mainWindowFrame(const ScreenSize& screen);

// A picture window of the given size, centred on the screen (halves rounded down).
Rect centredPicture(const ScreenSize& screen, int width, int height);

// The parameter file named on the command line: the argument itself, or what lies between
// a pair of surrounding double quotes. Empty when there is no name.
std::string commandLineFile(const std::string& argument);

// Start-up failures, by code 1 to 3, shown with the caption "Error".
const char* startupError(int code);
constexpr int errorNoGraphics = 3;

// Pictures need at least 24 bits per pixel.
bool displayDepthSuffices(int bitsPerPixel);

}  // namespace trochograph
