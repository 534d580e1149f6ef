// Removing the temporary files of unfinished saves when SIGINT or SIGTERM ends the program,
// so that an interrupted save of a large picture leaves nothing behind. Only files that
// have a name need it: an unnamed temporary file (temporary_file.h) goes with the process,
// however it ends.
//
// Temporary files are registered as their name in a folder the saver holds open, in a fixed
// table that a signal handler can read without locks or allocation: however long the
// folder's path, and wherever the program has changed directory to, the name is removed
// where it was made. The handler removes every registered file, restores the signal's
// default action and raises it again, so the program still ends as it would have without
// the handler.
#pragma once

#include <cstddef>
#include <string_view>

namespace trochograph {

// Installs the handler for SIGINT and SIGTERM; a signal that is ignored or already handled
// by someone else is left as it is. Programs call it once at start; calling it again does
// nothing.
void removeTemporaryFilesOnInterrupt();

// How many temporary files can be registered at once, and the longest name (in bytes, a
// file system's own limit) that fits. A file that doesn't fit is still written, but not
// removed on a signal.
inline constexpr int temporaryFileSlots = 16;
inline constexpr std::size_t temporaryNameCapacity = 255;

// Registers the file `name` in the folder open as `folder` for removal on a signal; the
// folder must stay open until the slot is freed. Returns the slot, or -1 when the table is
// full or the name too long.
int registerTemporaryFile(int folder, std::string_view name);

// Frees a slot from registerTemporaryFile; -1 is ignored.
void unregisterTemporaryFile(int slot);

}  // namespace trochograph
