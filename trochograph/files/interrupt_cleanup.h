// Removing the temporary files of unfinished saves when SIGINT or SIGTERM ends the program,
// so that an interrupted save of a large picture leaves nothing behind.
//
// Open file sinks register their temporary paths in a fixed table that a signal handler
// can read without locks or allocation. The handler removes every registered file, restores
// the signal's default action and raises it again, so the program still ends as it would
// have without the handler.
#pragma once

#include <filesystem>

namespace trochograph {

// Installs the handler for SIGINT and SIGTERM; a signal that is ignored or already handled
// by someone else is left as it is. Programs call it once at start; calling it again does
// nothing.
void removeTemporaryFilesOnInterrupt();

// How many temporary files can be registered at once, and the longest path (in bytes) that
// fits. A file that doesn't fit is still written, but not removed on a signal.
inline constexpr int temporaryFileSlots = 16;
inline constexpr std::size_t temporaryPathCapacity = 4096;

// Registers a path for removal on a signal; returns the slot, or -1 when the table is full
// or the path too long. The path is made absolute so that a change of directory doesn't
// redirect the removal.
int registerTemporaryFile(const std::filesystem::path& path);

// Frees a slot from registerTemporaryFile; -1 is ignored.
void unregisterTemporaryFile(int slot);

}  // namespace trochograph
