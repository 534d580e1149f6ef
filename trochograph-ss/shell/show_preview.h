// The show's headless preview: one preset drawn complete into a picture file, as the
// first round of the show draws it, without a display and without pauses.
#pragma once

#include <string>
#include <vector>

#include "common/result.h"

namespace trochograph {

struct PreviewOptions {
    int preset = 0;
    std::string output;
    int size = 1080;  // canvas side in pixels
    int fps = 30;     // a film's frames a second
    bool fpsGiven = false;
    bool help = false;
};

// `args` are the arguments after --render: N, then --output OUT, --size RES and --fps N.
Result<PreviewOptions> parsePreviewOptions(const std::vector<std::string>& args);

std::string previewUsage();

// Draws and writes the picture, or films the drawing; on failure the message is one line naming the problem, no
// file is left behind and an existing one is untouched.
Result<void> renderPreview(const PreviewOptions& options);

}  // namespace trochograph
