// What the program was asked to do on its command line: open the window (with a parameter
// file or without), draw without a window, or print its usage or version.
#pragma once

#include <string>
#include <vector>

namespace trochograph {

struct ProgramCommand {
    enum Kind { window, render, help, version, usageError } kind = window;
    std::string file;                     // window: the parameter file, empty for none
    std::vector<std::string> renderArgs;  // render: the arguments after --render
    std::string error;                    // usageError: one line naming the problem
};

// `args` are the arguments after the program name. A file manager passes one file; a name
// that starts with '-' goes after "--".
ProgramCommand parseCommandLine(const std::vector<std::string>& args);

std::string programUsage();

}  // namespace trochograph
