// The one line a program prints on the standard error when it can't do what it was asked,
// and the exit code that goes with it.
#pragma once

#include <string>
#include <string_view>

#include "common/result.h"

namespace trochograph {

enum class Tabs { kept, escaped };

// `text` with its control characters written as escapes ("\n", "\r", "\x1b", and the C1
// controls of UTF-8 as "\xc2\x9b"), so that a value or a file name holding them can't
// break the line it is echoed in or talk to the terminal. Tabs stay unless asked otherwise.
std::string escapedControls(std::string_view text, Tabs tabs = Tabs::kept);

// Prints "program: message" and a line end on the standard error, the message escaped.
void printErrorLine(const char* program, std::string_view message);

// The exit code of a program that failed with `code`: 2 for a command line it refuses (a
// usage error or a value out of range), 1 for anything else.
int exitCodeFor(ErrorCode code);

// printErrorLine, then the exit code for the error.
int reportFailure(const char* program, const Error& error);

}  // namespace trochograph
