// A picture of what a machine will do with the curves, to look at before it runs for an
// hour: for G-code the paper with the pen's path and, thin and in a second colour, its
// moves with the pen up (from the machine's (0, 0) to the first stroke); for a sand table
// the table with the ball's track and its joins to the centre or the edge in the second
// colour. The picture is as many pixels a side as the canvas.
#pragma once

#include <filesystem>
#include <string_view>

#include "common/result.h"
#include "common/surface.h"
#include "engine/drawing_record.h"
#include "files/picture_formats.h"
#include "files/plot_settings.h"

namespace trochograph {

inline constexpr Colorref previewPaper = rgb(255, 255, 255);
inline constexpr Colorref previewTable = rgb(150, 140, 120);  // the table's edge
inline constexpr Colorref previewStroke = rgb(20, 30, 90);
inline constexpr Colorref previewTravel = rgb(230, 40, 40);

// Draws the machine's path for `kind` (G-code or a track) into `picture`, which must be
// square; a track is refused as encodeThetaRho refuses it.
Result<void> drawMachinePreview(const DrawingRecord& record, const PlotSettings& settings, PictureKind kind,
                                Surface& picture);

// The same as a PNG picture carrying `parameters`.
Result<void> writeMachinePreview(const DrawingRecord& record, const PlotSettings& settings, PictureKind kind,
                                 const std::filesystem::path& path, std::string_view parameters);

}  // namespace trochograph
