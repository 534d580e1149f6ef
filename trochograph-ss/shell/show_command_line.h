// What trochograph-ss was asked to do: the full-screen show, a preset drawn into a picture,
// the show as a screensaver hack in someone else's window, or its usage or version.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trochograph {

// The pause after each point that -delay sets, in milliseconds.
inline constexpr int defaultHackDelay = 5;
inline constexpr int longestHackDelay = 1000;

// Where and how the hack draws.
struct HackOptions {
    std::optional<std::uint32_t> window;  // empty: the root window of the default screen
    int delay = defaultHackDelay;
};

struct ShowCommand {
    enum Kind { show, render, hack, help, version, usageError } kind = show;
    std::vector<std::string> renderArgs;  // render: the arguments after --render
    HackOptions hackOptions;              // hack
    std::string error;                    // usageError: one line naming the problem
    bool withUsage = false;               // usageError: the usage follows the line
};

// `args` are the arguments after the program name; `screensaverWindow` is the value of
// XSCREENSAVER_WINDOW, null (or empty) when it isn't set. XScreenSaver sets it to the
// window its hacks draw into, and passes -root.
ShowCommand parseShowCommandLine(const std::vector<std::string>& args, const char* screensaverWindow);

std::string showUsage();

}  // namespace trochograph
