// Parameter files on disk: loading into and saving from the curve state.
#pragma once

#include <filesystem>

#include "curve_parameters.h"
#include "load_result.h"
#include "save_error.h"

namespace trochograph {

// Reads a parameter file into `parameters`. A file that is not exactly one record, or whose
// record fails validateRlt, is refused as a whole and the parameters are left untouched.
LoadResult loadrlt(const std::filesystem::path& path, CurveParameters& parameters);

// Saves the current parameters, replacing an existing file only once the record is
// completely written. The code is saveOk, saveCannotCreate or saveWriteFailed.
SaveResult writerlt(const std::filesystem::path& path, const CurveParameters& parameters);

// The parameter file saved alongside an image: the image's extension replaced by ".rlt"
// (rose.tga -> rose.rlt), or ".rlt" appended when the name has no extension or already
// ends in ".rlt" in any case, so the parameters never overwrite the image.
std::filesystem::path rltPathFor(const std::filesystem::path& imagePath);

}  // namespace trochograph
