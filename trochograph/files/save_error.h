// The window's text for a failed save: the fixed text of the failure's code, where saving
// has one, then the one-line reason the failure carries, after the file's name.
#pragma once

#include <array>
#include <string>

#include "common/result.h"

namespace trochograph {

// The fixed texts of cannotCreate, noMemory and writeFailed: saveerror[code - 1].
extern const std::array<const char*, 3> saveerror;

// E.g. "Error opening file.\n\npicture.tga: can't create the file: Permission denied".
std::string saveErrorText(const std::string& fileName, const Error& error);

}  // namespace trochograph
