// Saving what the canvas shows, in the forms the program offers: each format of the
// picture table (picture_formats.h), and a PNG painted smooth from the recorded curves.
// The format follows the name's extension; in the Save Image dialog the chosen filter
// decides for names that don't say, and makes a .png smooth.
#pragma once

#include <filesystem>

#include "common/progress.h"
#include "common/result.h"
#include "files/picture_formats.h"
#include "files/plot_settings.h"

namespace trochograph {

class Engine;
class SmoothPainter;

// The Save Image dialog's filters: Targa first and default, SVG, PNG, PNG painted smooth,
// and the curves for machines.
inline constexpr const char* imageFilters =
    "Targa files (*.tga);;SVG drawing (*.svg);;PNG image (*.png);;PNG image, smooth (*.png);;"
    "G-code (*.gcode *.nc);;Sand table track (*.thr)";

struct ImageChoice {
    const PictureFormat* format;
    bool smooth = false;  // a PNG painted anti-aliased from the recorded curves

    friend bool operator==(const ImageChoice&, const ImageChoice&) = default;
};

// What a name chosen in the Save Image dialog with filter `filter` (0 = the first) is saved as.
ImageChoice chosenImage(const std::filesystem::path& path, int filter);

// Writes the engine's picture as `choice` says, with the curve's parameters in the formats
// that carry them; G-code and sand table tracks are drawn as `plot` says. A smooth picture
// needs `smooth`, and memory for the whole picture. `progress` hears how far the writing
// has come, where the format can tell (PNG).
Result<void> exportImage(const Engine& engine, ImageChoice choice, const std::filesystem::path& path,
                         SmoothPainter* smooth, const ProgressReport& progress = {}, const PlotSettings& plot = {});

}  // namespace trochograph
