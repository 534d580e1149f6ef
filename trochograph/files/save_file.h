// The one way the writers put a file on disk: an encoder writes into an AtomicFileSink, and
// whatever goes wrong becomes an Error with the window's code and the real reason.
#pragma once

#include <filesystem>
#include <functional>

#include "common/result.h"
#include "files/byte_sink.h"

namespace trochograph {

// Runs `encode` on a sink that replaces `path` once everything is written. When the file
// failed, its reason (with the system's) is returned, else the encoder's own error. On any
// failure an existing file is left as it was and no temporary file remains.
Result<void> saveFile(const std::filesystem::path& path, const std::function<Result<void>(ByteSink&)>& encode);

}  // namespace trochograph
