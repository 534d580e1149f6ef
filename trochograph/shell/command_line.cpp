#include "shell/command_line.h"

#include <optional>

#include "common/option_table.h"

namespace trochograph {

namespace {

struct ProgramArgs {
    std::optional<std::string> file;
    bool render = false;
    std::vector<std::string> renderArgs;
    bool help = false;
    bool version = false;
};

const OptionTable<ProgramArgs>& programTable()
{
    using A = ProgramArgs;
    static const OptionTable<ProgramArgs> table{
        "trochograph",
        {"[FILE]", "--render --output OUT [options]", "--help | --version"},
        {},
        {
            path({}, "FILE", &A::file,
                 "the window, with the curve of a .rlt file or of a PNG picture it drew; a name that starts "
                 "with - goes after --")
                .called("a parameter file"),
            rest({"--render"}, "...", &A::renderArgs, "draw without a window (see trochograph --render --help)")
                .marking(&A::render),
            answer({"--help", "-h"}, &A::help, "print this usage"),
            answer({"--version"}, &A::version, "print the version"),
        },
    };
    return table;
}

}  // namespace

Result<ProgramCommand> parseCommandLine(const std::vector<std::string>& args)
{
    auto parsed = parseOptions(programTable(), args);
    if (!parsed) return parsed.error();
    ProgramCommand command;
    if (parsed->help) {
        command.kind = ProgramCommand::help;
    } else if (parsed->version) {
        command.kind = ProgramCommand::version;
    } else if (parsed->render) {
        command.kind = ProgramCommand::render;
        command.renderArgs = std::move(parsed->renderArgs);
    } else {
        command.file = parsed->file.value_or("");
    }
    return command;
}

std::string programUsage() { return usageText(programTable()); }

}  // namespace trochograph
