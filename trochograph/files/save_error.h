// What the file writers report: a code for the window, which shows the fixed text of
// saveerror, and one line with the real reason for the command line.
#pragma once

#include <array>
#include <string>

namespace trochograph {

enum SaveCode : int {
    saveOk = 0,
    saveCannotCreate = 1,
    saveNoMemory = 2,
    saveWriteFailed = 3,
};

// The message for code c (1 to 3) is saveerror[c - 1].
extern const std::array<const char*, 3> saveerror;

// The same shape as LoadResult: a code to branch on and a message, empty when saved. The
// message says why in one line without the file's name ("can't create the file: No such
// file or directory"); the caller puts the name in front.
struct [[nodiscard]] SaveResult {
    SaveCode code = saveOk;
    std::string message;

    explicit operator bool() const { return code == saveOk; }
};

}  // namespace trochograph
