// Runs one of the programs as its own process, for the tests of their command lines.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace trochograph::test {

struct ProgramRun {
    int exitCode = -1;
    std::string output;  // the captured streams together
};

enum class Capture { both, stdoutOnly, stderrOnly };

inline ProgramRun runCommand(const std::string& binary, const std::string& arguments, Capture capture = Capture::both)
{
    ProgramRun run;
    const char* redirection = capture == Capture::both         ? " 2>&1"
                              : capture == Capture::stdoutOnly ? " 2>/dev/null"
                                                               : " 2>&1 >/dev/null";
    const std::string command = binary + " " + arguments + redirection;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 512> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe)) run.output += buffer.data();
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A path as one shell word.
inline std::string quoted(const std::filesystem::path& p)
{
    std::string q(1, '\'');
    q += p.string();
    q += '\'';
    return q;
}

}  // namespace trochograph::test
