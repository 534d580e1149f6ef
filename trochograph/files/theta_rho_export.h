// The curves as a theta-rho track (.thr) for a polar sand table: one "theta rho" pair a
// line, as sand_track.h says, after '#' comments holding the table's size, the tolerance
// and the curve's parameters.
#pragma once

#include <string_view>

#include "common/result.h"
#include "engine/drawing_record.h"
#include "files/byte_sink.h"
#include "files/plot_settings.h"

namespace trochograph {

// Theta and rho are written to this many decimals.
inline constexpr int thetaRhoDecimals = 6;

// Streams the track to the sink; the table's diameter is settings.size millimetres and the
// track follows the curve within settings.tolerance of them. A curve beyond the table's
// edge without settings.fit is refused (badValue) once its track has been streamed, so
// the sink must drop what it was given then, as saveFile's does; else fails when the sink
// does (writeFailed) or memory runs out (noMemory).
Result<void> encodeThetaRho(const DrawingRecord& record, ByteSink& sink, std::string_view parameters,
                            const PlotSettings& settings);

}  // namespace trochograph
