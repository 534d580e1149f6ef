// The show's headless preview: one preset drawn complete into a picture file, as the
// first round of the show draws it, without a display and without pauses.
#pragma once

#include <string>
#include <vector>

#include "result.h"

namespace trochograph {

struct PreviewOptions {
    int preset = 0;
    std::string output;
    int size = 1080;  // canvas side in pixels
    bool help = false;
};

// `args` are the arguments after --render: N, then --output OUT and --size RES.
Result<PreviewOptions> parsePreviewOptions(const std::vector<std::string>& args);

std::string previewUsage();

// Draws and writes the picture; empty on success, else one line naming the problem. On
// failure no file is left behind and an existing one is untouched.
std::string renderPreview(const PreviewOptions& options);

}  // namespace trochograph
