// What the name given to --output asks for, a picture or a film: both programs' command
// lines check their options against this rule.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/result.h"
#include "files/picture_formats.h"
#include "files/film_formats.h"

namespace trochograph {

// One of the two is set.
struct OutputChoice {
    const PictureFormat* picture = nullptr;
    std::optional<VideoKind> film;
};

// The picture format or film kind the name's extension asks for; without `drawings`, the
// formats drawn from recorded curves are left out. Refused with ErrorCode::badValue and the
// name in front: "rose.bmp: the output must end in .tga, .png or .svg, or .mp4, .webm or
// .gif for a film", or for an extension alone "b/.gif: the output needs a name before .gif".
Result<OutputChoice> outputChoiceOf(const std::filesystem::path& output, bool drawings = true);

}  // namespace trochograph
