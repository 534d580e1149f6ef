// Parameter files on disk: loading into and saving from the curve state.
#pragma once

#include <filesystem>

#include "common/result.h"
#include "engine/curve_parameters.h"

namespace trochograph {

// Reads a parameter file into `parameters`. A file that can't be read is refused with
// cannotOpen; one that is not exactly one record, or whose record fails validateRlt, with
// invalid. A refused file leaves the parameters untouched.
Result<void> loadRlt(const std::filesystem::path& path, CurveParameters& parameters);

// Saves the current parameters, replacing an existing file only once the record is
// completely written. The codes are cannotCreate and writeFailed.
Result<void> writeRlt(const CurveParameters& parameters, const std::filesystem::path& path);

// The parameter file saved alongside an image: the image's extension replaced by ".rlt"
// (rose.tga -> rose.rlt), or ".rlt" appended when the name has no extension or already
// ends in ".rlt" in any case, so the parameters never overwrite the image.
std::filesystem::path rltPathFor(const std::filesystem::path& imagePath);

}  // namespace trochograph
