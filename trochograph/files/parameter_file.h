// Loading parameters from a file the user names: a .rlt file, or a PNG picture that carries
// them. The content tells which, by the PNG signature, whatever the name says.
#pragma once

#include <filesystem>

#include "common/result.h"
#include "engine/curve_parameters.h"

namespace trochograph {

// What kind of file was read.
struct ParameterOrigin {
    bool picture = false;  // a PNG picture rather than a .rlt file
};

// Reads the file into `parameters`, as loadRlt does for a .rlt file and, for a PNG picture,
// with applyPictureParameters, the canvas side it was drawn on included. The file is opened
// once and read from its start, so pipes and FIFOs work. Its first bytes tell a picture
// from a parameter file; a file that can't be read, or a .png file that is neither, is
// reported as a picture by its name. A refused file leaves the parameters untouched.
Result<void> loadParameterFile(const std::filesystem::path& path, CurveParameters& parameters,
                               ParameterOrigin& origin);

}  // namespace trochograph
