// PNG pictures of a surface (8-bit RGB) and of ready-made rows with or without alpha (the
// picture tool's icons), encoded with libpng into a byte sink, and written to files through
// the same replace-on-commit layer as Targa.
//
// The encoder writes IHDR, the IDAT chunks and IEND, not interlaced, and no ancillary chunk
// but an optional tEXt before the image data that holds the curve's parameters.
// libpng's messages never reach stderr: its errors come back as a false result, and its
// warnings are dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "common/progress.h"
#include "common/result.h"
#include "common/surface.h"
#include "files/byte_sink.h"

namespace trochograph {

// libpng's own limit on a side unless a program raises it.
inline constexpr int maxPngSide = 1000000;

// The eight bytes every PNG file starts with.
inline constexpr std::string_view pngSignature{"\x89PNG\r\n\x1a\n", 8};

// The keyword of the tEXt chunk that carries a picture's parameters (parameter_text.h).
inline constexpr const char* pngParametersKeyword = "Trochograph parameters";

// Rows of 8-bit samples, left to right: red, green, blue, and with `alpha` an alpha sample
// that is not premultiplied (0 transparent, 255 opaque).
struct PngPixels {
    int width = 0;
    int height = 0;
    bool alpha = false;
    const std::uint8_t* top = nullptr;  // the first sample of the top row
    std::ptrdiff_t stride = 0;          // bytes from the start of one row to the next
};

// Writes the picture to the sink, with `parameters`, unless empty, in a tEXt chunk keyed
// pngParametersKeyword (Latin-1 text without NUL, as tEXt holds). Fails when the sink does
// (the encoder then stops), with noMemory when libpng or the sink can't have the memory
// they need, and, without writing anything, when a side is 0 or above maxPngSide. Any
// other exception from the sink passes through once libpng has been cleaned up.
// `progress` hears the share of the rows written after each row.
Result<void> encodePng(const Surface& surface, ByteSink& sink, std::string_view parameters = {},
                       const ProgressReport& progress = {});
Result<void> encodePng(const PngPixels& pixels, ByteSink& sink, std::string_view parameters = {},
                       const ProgressReport& progress = {});

// Writes the picture to `path`, replacing an existing file only once all of it has been
// written. The codes are those of writeTarga.
Result<void> writePng(const Surface& surface, const std::filesystem::path& path, std::string_view parameters = {},
                      const ProgressReport& progress = {});
Result<void> writePng(const PngPixels& pixels, const std::filesystem::path& path, std::string_view parameters = {},
                      const ProgressReport& progress = {});

}  // namespace trochograph
