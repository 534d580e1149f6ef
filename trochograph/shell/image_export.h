// Saving what the canvas shows, in the four forms the program offers: the raster as Targa
// or PNG, the recorded curves painted smooth into a PNG, or the curves as an SVG drawing.
// The format follows the name's extension; in the Save Image dialog the chosen filter
// decides for names that don't say, and makes a .png smooth.
#pragma once

#include <filesystem>
#include <optional>

#include "save_error.h"

namespace trochograph {

struct Engine;
class SmoothPainter;

enum class ImageFormat { targa, svg, png, smoothPng };

// The Save Image dialog's filters, in ImageFormat's order, Targa first and default.
inline constexpr const char* imageFilters =
    "Targa files (*.tga);;SVG drawing (*.svg);;PNG image (*.png);;PNG image, smooth (*.png)";

// The format a name's extension asks for, in any case; none for another extension.
inline constexpr const char* imageNameRule = "the output must end in .tga, .png or .svg";
std::optional<ImageFormat> formatOfName(const std::filesystem::path& path);

// The format of a name chosen in the Save Image dialog with filter `filter` (0 = the first).
ImageFormat chosenFormat(const std::filesystem::path& path, int filter);

// Writes the engine's picture in `format`; the PNG forms and SVG carry the curve's
// parameters. A smooth picture needs `smooth`, and memory for the whole picture.
SaveResult exportImage(const Engine& engine, ImageFormat format, const std::filesystem::path& path,
                       SmoothPainter* smooth);

}  // namespace trochograph
