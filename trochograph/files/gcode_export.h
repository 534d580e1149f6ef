// The curves as G-code for a pen plotter or CNC (GRBL, Marlin and the like): millimetres,
// absolute coordinates, the pen's path as planPlot makes it, with the settings' lines to
// lift and lower the pen, its feeds, and optionally a pause (M0) to change pens between
// runs of different colours. A header comment holds the plot's size and origin, the
// bounds of what is drawn and the curve's parameters. The circles the animation leaves
// in the canvas are not drawn: a machine draws the curve.
#pragma once

#include <filesystem>
#include <string_view>

#include "common/result.h"
#include "engine/drawing_record.h"
#include "files/byte_sink.h"
#include "files/plot_settings.h"

namespace trochograph {

// Coordinates are written to this many decimals (a micrometre).
inline constexpr int gcodeDecimals = 3;

// Streams the G-code to the sink; fails when the sink does (writeFailed) or memory runs
// out (noMemory). The settings must have passed checkPlotSettings.
Result<void> encodeGcode(const DrawingRecord& record, ByteSink& sink, std::string_view parameters,
                         const PlotSettings& settings);

}  // namespace trochograph
