// The one way the writers put a file on disk: an encoder writes into an AtomicFileSink, and
// whatever goes wrong becomes a SaveResult with the window's code and the real reason.
#pragma once

#include <filesystem>
#include <functional>

#include "byte_sink.h"
#include "save_error.h"

namespace trochograph {

// Runs `encode` on a sink that replaces `path` once everything is written. `encode` returns
// false when a write failed, and may throw std::bad_alloc (saveNoMemory). On any failure an
// existing file is left as it was and no temporary file remains.
SaveResult saveFile(const std::filesystem::path& path, const std::function<bool(ByteSink&)>& encode);

}  // namespace trochograph
