// The window's settings file, which keeps the list of recent parameter files, as something
// that must never hold the program up: it is used only when it, and the lock file beside it
// that keeps two programs from writing it at once, are plain files or not there at all. A
// folder or a named pipe in either place would make reading or locking wait for ever.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/message.h"
#include "common/result.h"

namespace trochograph {

// A settings file larger than this is no settings file of this program's, which keeps
// eight names in it.
inline constexpr std::uintmax_t largestSettingsFile = 1 << 20;

// The lock file the settings library takes beside `file` while it writes it.
std::filesystem::path settingsLockFile(const std::filesystem::path& file);

// Refuses, in one line naming the path and what is there, a settings file that is no plain
// file (reached through any links, as it is opened) or is too large, and a lock file that
// is anything but a plain file. A missing file is fine: it is made when first written.
Result<void> checkSettingsFile(const std::filesystem::path& file);

// The one box that says the settings file (recent files, last choices) can't be used, and why.
Message settingsNotKept(const std::string& reason);

}  // namespace trochograph
