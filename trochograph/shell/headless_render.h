// Drawing one whole curve without a window, for batch work, pictures and tests.
#pragma once

#include "common/result.h"
#include "shell/render_options.h"

namespace trochograph {

class SmoothPainter;

// Starts from the built-in state, applies the options, draws the curve from its first to
// its last segment on a fresh canvas and writes the canvas to options.output: a Targa or
// PNG picture, an SVG drawing, or with --antialias a PNG painted smooth by `smooth`. On
// failure the message is one line, and no output file is left behind and an existing one
// is untouched.
Result<void> renderHeadless(const RenderOptions& options, SmoothPainter* smooth = nullptr);

}  // namespace trochograph
