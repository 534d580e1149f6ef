// The one line a program prints on the standard error when it can't do what it was asked.
#pragma once

#include <string>
#include <string_view>

namespace trochograph {

// `text` with its control characters written as escapes ("\n", "\r", "\x1b"), so that a
// value or a file name holding them can't break the line it is echoed in. Tabs stay.
std::string escapedControls(std::string_view text);

// Prints "program: message" and a line end on the standard error, the message escaped.
void printErrorLine(const char* program, std::string_view message);

}  // namespace trochograph
