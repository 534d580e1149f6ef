// PNG pictures of a surface (8-bit RGB) and of ready-made rows with or without alpha (the
// picture tool's icons), encoded with libpng into a byte sink, and written to files through
// the same replace-on-commit layer as Targa.
//
// The encoder writes no ancillary chunks: IHDR, the IDAT chunks and IEND, not interlaced.
// libpng's messages never reach stderr: its errors come back as a false result, and its
// warnings are dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "byte_sink.h"
#include "save_error.h"
#include "surface.h"

namespace trochograph {

// libpng's own limit on a side unless a program raises it.
inline constexpr int maxPngSide = 1000000;

// Rows of 8-bit samples, left to right: red, green, blue, and with `alpha` an alpha sample
// that is not premultiplied (0 transparent, 255 opaque).
struct PngPixels {
    int width = 0;
    int height = 0;
    bool alpha = false;
    const std::uint8_t* top = nullptr;  // the first sample of the top row
    std::ptrdiff_t stride = 0;          // bytes from the start of one row to the next
};

// Writes the picture to the sink. False when the sink fails (the encoder then stops) and,
// without writing anything, when a side is 0 or above maxPngSide. Throws std::bad_alloc
// when libpng can't have the memory it needs; an exception from the sink passes through.
bool encodePng(const Surface& surface, ByteSink& sink);
bool encodePng(const PngPixels& pixels, ByteSink& sink);

// Writes the picture to `path`, replacing an existing file only once all of it has been
// written. The codes are those of writetga.
SaveResult writePng(const Surface& surface, const std::filesystem::path& path);
SaveResult writePng(const PngPixels& pixels, const std::filesystem::path& path);

}  // namespace trochograph
