// What the program was asked to do on its command line: open the window (with a parameter
// file or without), draw without a window, or print its usage or version.
#pragma once

#include <string>
#include <vector>

#include "common/result.h"

namespace trochograph {

struct ProgramCommand {
    enum Kind { window, render, help, version } kind = window;
    std::string file;                     // window: the parameter file, empty for none
    std::vector<std::string> renderArgs;  // render: the arguments after --render
};

// `args` are the arguments after the program name. A file manager passes one file; a name
// that starts with '-' goes after "--".
Result<ProgramCommand> parseCommandLine(const std::vector<std::string>& args);

std::string programUsage();

}  // namespace trochograph
