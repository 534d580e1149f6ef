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
#include <optional>
#include <string>
#include <string_view>

#include "curve_parameters.h"
#include "load_result.h"

namespace trochograph {

// Red, green, blue per entry, as the file gives them.
using MapTable = std::array<std::array<std::uint8_t, 3>, 256>;

struct MapParse {
    std::optional<MapTable> table;  // set on success
    std::string error;              // otherwise names the bad line, counted from 1
};

MapParse parseMap(std::istream& in);
MapParse parseMap(std::string_view text);

// Reads a palette file into `table`; a file that can't be read or is invalid leaves it as
// it was.
LoadResult OpenMapFile(const std::filesystem::path& path, MapTable& table);

// Makes a loaded palette the drawing palette.
void acceptPalette(const MapTable& table, CurveParameters& parameters);

}  // namespace trochograph
