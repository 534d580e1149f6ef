// The show as a screensaver hack: drawn into a window it is given (XScreenSaver's, the root
// window, or any other) until SIGTERM or SIGINT ends it or the window goes away. It takes
// no input, leaves the cursor alone, plays no sounds and writes no files.
#pragma once

#include "shell/show_command_line.h"

namespace trochograph {

// Runs until the end and returns the exit code: 0 for an end by signal or a destroyed
// window, 1 when the display, the window or its visual won't do (after one line on
// stderr saying why).
int runHack(const HackOptions& options);

}  // namespace trochograph
