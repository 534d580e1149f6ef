// The result codes of the file writers and the messages shown for them.
#pragma once

#include <array>

namespace trochograph {

enum SaveCode : int {
    saveOk = 0,
    saveCannotCreate = 1,
    saveNoMemory = 2,
    saveWriteFailed = 3,
};

// The message for code c (1 to 3) is saveerror[c - 1].
extern const std::array<const char*, 3> saveerror;

}  // namespace trochograph
