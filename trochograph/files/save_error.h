// The window's fixed texts for a failed save, one per saving ErrorCode (result.h); the
// command line shows the Error's own message instead.
#pragma once

#include <array>
#include <cassert>

#include "common/result.h"

namespace trochograph {

// The text for code c (cannotCreate, noMemory or writeFailed) is saveerror[c - 1].
extern const std::array<const char*, 3> saveerror;

// Any other code is a programmer's error; it gets the last text rather than reading beyond.
inline const char* saveErrorText(ErrorCode code)
{
    const auto index = static_cast<std::size_t>(code) - 1;
    assert(index < saveerror.size());
    return saveerror[index < saveerror.size() ? index : saveerror.size() - 1];
}

}  // namespace trochograph
