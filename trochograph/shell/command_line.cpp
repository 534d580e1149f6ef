#include "command_line.h"

namespace trochograph {

ProgramCommand parseCommandLine(const std::vector<std::string>& args)
{
    auto only = [](ProgramCommand::Kind kind) {
        ProgramCommand command;
        command.kind = kind;
        return command;
    };
    auto failed = [&](std::string error) {
        ProgramCommand command = only(ProgramCommand::usageError);
        command.error = std::move(error);
        return command;
    };
    if (args.empty()) return {};
    const std::string& first = args[0];
    if (first == "--render") {
        ProgramCommand command = only(ProgramCommand::render);
        command.renderArgs.assign(args.begin() + 1, args.end());
        return command;
    }
    if (first == "--help" || first == "-h") return only(ProgramCommand::help);
    if (first == "--version") return only(ProgramCommand::version);

    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return failed("unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() > 1) return failed("one parameter file at a time, not " + std::to_string(files.size()));
    ProgramCommand command;
    if (!files.empty()) command.file = files[0];
    return command;
}

std::string programUsage()
{
    return "usage: trochograph [FILE]                            the window, with the curve of a .rlt file\n"
           "                                                     or of a PNG picture it drew\n"
           "       trochograph --render --output OUT [options]   draw without a window "
           "(see trochograph --render --help)\n"
           "       trochograph --help | --version\n";
}

}  // namespace trochograph
