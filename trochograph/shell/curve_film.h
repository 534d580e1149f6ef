// A film of a curve being drawn: the whole curve from its start, as the window shows it
// (with the moving circles when they are animated), spread evenly over the film's length,
// then the finished picture held for a second. Frames go to the encoder as they are drawn.
#pragma once

#include <filesystem>
#include "common/progress.h"
#include "common/result.h"
#include "engine/curve_state.h"
#include "files/film_formats.h"

namespace trochograph {

// Films the curve `start` describes (its parameters, on a canvas of its resolution, with
// the circles if its animate flag is set) into `path`, an .mp4, .webm or .gif, telling
// `progress` as it goes: counting the curve's steps takes its first few per cent, then
// each frame. A refusal or failure, or a stop `progress` asks for (ErrorCode::cancelled),
// leaves no file and an old one as it was.
[[nodiscard]] Result<void> filmCurve(const CurveState& start, const std::filesystem::path& path,
                                     const FilmOptions& options, const ProgressReport& progress = {});

// The steps the whole curve `start` describes takes, counted by drawing it without a
// canvas; `progress` hears the share of the curve's angle counted and may stop the count
// (ErrorCode::cancelled).
[[nodiscard]] Result<long long> countCurveSteps(const CurveState& start, const ProgressReport& progress);
long long curveSteps(const CurveState& start);

}  // namespace trochograph
