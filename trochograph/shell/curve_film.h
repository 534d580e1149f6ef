// A film of a curve being drawn: the whole curve from its start, as the window shows it
// (with the moving circles when they are animated), spread evenly over the film's length,
// then the finished picture held for a second. Frames go to the encoder as they are drawn.
#pragma once

#include <filesystem>
#include "common/progress.h"
#include "common/range.h"
#include "common/result.h"
#include "engine/curve_state.h"

namespace trochograph {

struct FilmOptions {
    int fps = 30;
    double seconds = 10;  // the drawing's length; the held end comes on top
};

// How long the drawing of a film may take, in seconds.
inline constexpr Range<double> filmSeconds{1, 600};


// Films the curve `start` describes (its parameters, on a canvas of its resolution, with
// the circles if its animate flag is set) into `path`, an .mp4, .webm or .gif, telling
// `progress` after each frame. A refusal or failure, or a stop `progress` asks for
// (ErrorCode::cancelled), leaves no file and an old one as it was.
[[nodiscard]] Result<void> filmCurve(const CurveState& start, const std::filesystem::path& path,
                                     const FilmOptions& options, const ProgressReport& progress = {});

// The steps the whole curve `start` describes takes.
long long curveSteps(const CurveState& start);

}  // namespace trochograph
