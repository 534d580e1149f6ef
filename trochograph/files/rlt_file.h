// Parameter files on disk: loading into and saving from the curve state.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

#include "common/result.h"
#include "engine/curve_parameters.h"

namespace trochograph {

// Reads a parameter file into `parameters`: its first rltSize bytes, so that a file another
// program padded, or saved with a trailing newline, loads. A file that can't be read is
// refused with cannotOpen; one shorter than a record, or whose record fails validateRlt,
// with invalid. A refused file leaves the parameters untouched.
Result<void> loadRlt(const std::filesystem::path& path, CurveParameters& parameters);
// The same from an open file whose first bytes, `start`, were read already.
Result<void> readRlt(std::FILE* file, std::span<const std::uint8_t> start, CurveParameters& parameters);
// The same from the bytes read, at most a record's.
Result<void> applyRltBytes(std::span<const std::uint8_t> bytes, CurveParameters& parameters);

// Closes a C file.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Saves the current parameters, replacing an existing file only once the record is
// completely written. The codes are cannotCreate and writeFailed.
Result<void> writeRlt(const CurveParameters& parameters, const std::filesystem::path& path);

// The parameter file saved alongside an image: the image's extension replaced by ".rlt"
// (rose.tga -> rose.rlt), or ".rlt" appended when the name has no extension or already
// ends in ".rlt" in any case, so the parameters never overwrite the image.
std::filesystem::path rltPathFor(const std::filesystem::path& imagePath);

}  // namespace trochograph
