// What a file loader reports: a code the caller can branch on and a message for the user,
// in the same shape as the writers' SaveResult (save_error.h).
#pragma once

#include <string>

namespace trochograph {

struct [[nodiscard]] LoadResult {
    enum Code : int {
        ok = 0,
        cannotOpen = 1,  // the file could not be opened or read
        invalid = 2,     // the file was read but its contents are refused
    };
    Code code = ok;
    std::string message;  // empty when ok

    explicit operator bool() const { return code == ok; }
};

}  // namespace trochograph
