// What trochograph-ss was asked to do: the full-screen show, a preset drawn into a picture,
// the show as a screensaver hack in someone else's window, or its usage or version.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/range.h"
#include "common/result.h"

namespace trochograph {

// The pause after each point that -delay sets, in milliseconds.
inline constexpr int defaultHackDelay = 5;
inline constexpr Range<int> hackDelay{0, 1000};

// Where and how the hack draws.
struct HackOptions {
    std::optional<std::uint32_t> window;  // empty: the root window of the default screen
    int delay = defaultHackDelay;
};

struct ShowCommand {
    enum Kind { show, render, hack, help, version } kind = show;
    std::vector<std::string> renderArgs;  // render: the arguments after --render
    HackOptions hackOptions;              // hack
};

// `args` are the arguments after the program name; `screensaverWindow` is the value of
// XSCREENSAVER_WINDOW, null (or empty) when it isn't set. XScreenSaver sets it to the
// window its hacks draw into, and passes -root. A refused line has ErrorCode::usage when
// its shape is wrong, and the usage should follow the message; ErrorCode::badValue when a
// value is refused.
Result<ShowCommand> parseShowCommandLine(const std::vector<std::string>& args, const char* screensaverWindow);

// A window id, decimal or 0x-hex, as X and XScreenSaver print them; `source` names where
// the text came from in the refusal.
Result<long long> readWindowId(std::string_view text, std::string_view source);

std::string showUsage();

}  // namespace trochograph
