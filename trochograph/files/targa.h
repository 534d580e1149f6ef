// Uncompressed 24-bit Targa images of a surface.
//
// Layout: an 18-byte header (image type 2, 24 bits per pixel, descriptor 0x20 so that the
// first row stored is the top one), the rows from the top, each pixel as blue, green, red,
// then the 26-byte version 2 footer without extension or developer areas. A w x h surface
// takes 18 + 3 w h + 26 bytes.
#pragma once

#include <filesystem>

#include "common/result.h"
#include "common/surface.h"
#include "files/byte_sink.h"

namespace trochograph {

inline constexpr std::size_t targaHeaderSize = 18;
inline constexpr std::size_t targaFooterSize = 26;

// Writes the image to the sink. Fails when the sink does (writeFailed), when its line
// buffer can't be had (noMemory), and, without writing anything, when the surface is empty
// (most readers refuse a zero-sized image) or a side exceeds the 16-bit fields of the
// header (writeFailed).
Result<void> encodeTarga(const Surface& surface, ByteSink& sink);

// Writes the image to `path`, replacing an existing file only once the whole image has been
// written. The codes are cannotCreate, noMemory and writeFailed (also, before anything is
// created, for a surface encodeTarga refuses).
Result<void> writeTarga(const Surface& surface, const std::filesystem::path& path);

}  // namespace trochograph
