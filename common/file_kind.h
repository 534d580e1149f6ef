// What a path holds, in the words messages use for it.
#pragma once

#include <sys/stat.h>

namespace trochograph {

// "a folder", "a named pipe", "a character device", ... for a stat mode; "a regular file"
// for one.
const char* fileKindName(mode_t mode);

}  // namespace trochograph
