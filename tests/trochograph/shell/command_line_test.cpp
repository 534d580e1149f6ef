#include <gtest/gtest.h>

#include "command_line.h"
#include "run_program.h"
#include "version.h"

namespace trochograph::test {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, ChoosesWhatTheProgramDoes)
{
    struct Case {
        Args args;
        ProgramCommand::Kind kind;
        std::string file;
        std::string error;
    };
    const Case cases[] = {
        {{}, ProgramCommand::window, "", ""},
        {{"/home/ana/rose.rlt"}, ProgramCommand::window, "/home/ana/rose.rlt", ""},
        {{"\"rose.rlt\""}, ProgramCommand::window, "\"rose.rlt\"", ""},
        {{"--", "-odd.rlt"}, ProgramCommand::window, "-odd.rlt", ""},
        {{"-"}, ProgramCommand::window, "-", ""},
        {{"--help"}, ProgramCommand::help, "", ""},
        {{"-h"}, ProgramCommand::help, "", ""},
        {{"--version"}, ProgramCommand::version, "", ""},
        {{"--verbose"}, ProgramCommand::usageError, "", "unknown option '--verbose'"},
        {{"rose.rlt", "-x"}, ProgramCommand::usageError, "", "unknown option '-x'"},
        {{"a.rlt", "b.rlt"}, ProgramCommand::usageError, "", "one parameter file at a time, not 2"},
        {{"--", "a.rlt", "--"}, ProgramCommand::usageError, "", "one parameter file at a time, not 2"},
    };
    for (const Case& c : cases) {
        const ProgramCommand command = parseCommandLine(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(command.kind, c.kind) << shown;
        EXPECT_EQ(command.file, c.file) << shown;
        EXPECT_EQ(command.error, c.error) << shown;
    }
    const ProgramCommand render = parseCommandLine({"--render", "--output", "x.png"});
    EXPECT_EQ(render.kind, ProgramCommand::render);
    EXPECT_EQ(render.renderArgs, (Args{"--output", "x.png"}));
}

#ifdef TROCHOGRAPH_BINARY
// Answers go to stdout with exit code 0; complaints to stderr with exit code 2.
TEST(CommandLine, ProgramAnswersOnTheRightStream)
{
    const ProgramRun version = runCommand(TROCHOGRAPH_BINARY, "--version", Capture::stdoutOnly);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "trochograph " + std::string(trochograph::version) + "\n");
    const ProgramRun help = runCommand(TROCHOGRAPH_BINARY, "--help", Capture::stdoutOnly);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output, programUsage());
    const ProgramRun wrong = runCommand(TROCHOGRAPH_BINARY, "--bogus", Capture::stderrOnly);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.output, "trochograph: unknown option '--bogus'\n" + programUsage());
}
#endif

}  // namespace
}  // namespace trochograph::test
