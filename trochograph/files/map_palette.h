// Palette files (.map): plain text, one entry per line, each line starting with three
// decimal integers, red green blue, separated by white space. Anything after the third
// number is ignored, leading white space is allowed, and a number may carry a sign, so
// "1-2-3" reads 1, -2, -3. Each value keeps its low 8 bits (300 -> 44, -1 -> 255).
//
// Line n (from 0) gives entry n; only the first 256 lines are read. Entries without a line
// are 1, 1, 1, so an empty file is a valid palette. A line among the first 256 that doesn't
// start with three integers in the int range, an empty line included, makes the whole file
// invalid, and so does one longer than 65536 characters. Lines end in LF or CR LF.
//
// Reading stops after 256 lines or at the first line over the limit, so whatever the file
// holds (a device, an endless stream) it costs at most about 16 MiB of reading and 64 KiB
// of memory.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "common/result.h"
#include "engine/curve_parameters.h"

namespace trochograph {

// Red, green, blue per entry, as the file gives them.
using MapTable = std::array<std::array<std::uint8_t, 3>, 256>;

// The table, or why not: invalid with the bad line (counted from 1), or cannotOpen when the
// stream failed.
Result<MapTable> parseMap(std::istream& in);
Result<MapTable> parseMap(std::string_view text);

// Reads a palette file: cannotOpen when it can't be opened or read, else as parseMap.
Result<MapTable> loadMap(const std::filesystem::path& path);

// Makes a loaded palette the drawing palette.
void acceptPalette(const MapTable& table, CurveParameters& parameters);

}  // namespace trochograph
