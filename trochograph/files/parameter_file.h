// Loading parameters from a file the user names: a .rlt file, or a PNG picture that carries
// them. The content tells which, by the PNG signature, whatever the name says.
#pragma once

#include <filesystem>
#include <optional>

#include "curve_state.h"
#include "load_result.h"

namespace trochograph {

// What kind of file was read, and what only a picture carries.
struct ParameterOrigin {
    bool picture = false;     // a PNG picture rather than a .rlt file
    std::optional<int> res;   // the canvas side the picture was drawn on, once loaded
};

// Reads the file into the state, as loadrlt does for a .rlt file and, for a PNG picture,
// with applyPictureParameters. The picture's canvas side goes into `origin.res` instead,
// since a new side needs a new canvas. A refused file leaves the state untouched.
LoadResult loadParameterFile(const std::filesystem::path& path, CurveState& state, ParameterOrigin& origin);

}  // namespace trochograph
