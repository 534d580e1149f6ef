// A film of one preset as the show draws it, with its circles and colours, at the show's
// own pace (the pause after each point), the long pauses at a curve's start and end cut to
// a moment, then the finished picture held for a second.
#pragma once

#include <filesystem>

#include "common/progress.h"
#include "common/result.h"

namespace trochograph {

// Preset `preset` on a black `side` x `side` square, as renderPreset draws it, filmed at
// `fps` into `path` (a film format's extension), scaled down and padded as filmSizeOf
// says. A failure leaves no file and an old one as it was.
[[nodiscard]] Result<void> filmPreset(int preset, int side, int fps, const std::filesystem::path& path,
                                      const ProgressReport& progress = {});

}  // namespace trochograph
