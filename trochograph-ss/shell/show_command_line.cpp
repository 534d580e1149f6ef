#include "show_command_line.h"

#include <charconv>

namespace trochograph {

namespace {

ShowCommand usageError(std::string message, bool withUsage = false)
{
    ShowCommand command;
    command.kind = ShowCommand::usageError;
    command.error = std::move(message);
    command.withUsage = withUsage;
    return command;
}

ShowCommand only(ShowCommand::Kind kind)
{
    ShowCommand command;
    command.kind = kind;
    return command;
}

// The hack's options take one dash or two, as XScreenSaver's hacks do: "--root" is "-root".
std::string hackOption(const std::string& arg)
{
    if (arg.rfind("--", 0) != 0) return arg;
    const std::string single = arg.substr(1);
    return single == "-root" || single == "-window-id" || single == "-delay" ? single : arg;
}

// A window id, decimal or 0x-hex, as X and XScreenSaver print them; empty, with the reason in
// `problem`, when `text` names no window. `source` is where the text came from.
std::optional<std::uint32_t> windowId(const std::string& text, const std::string& source, std::string& problem)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* last = text.data() + text.size();
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(text.data() + (hex ? 2 : 0), last, id, hex ? 16 : 10);
    if (!text.empty() && text[0] == '-')
        problem = source + " takes a window id, not the negative '" + text + "'";
    else if (error == std::errc::result_out_of_range)
        problem = source + ": '" + text + "' is too large for a window id";
    else if (error != std::errc() || end != last)
        problem = source + " takes a window id, decimal or 0x-hex, not '" + text + "'";
    else if (id == 0)
        problem = source + " takes a window id, not 0, which is no window";
    else
        return id;
    return std::nullopt;
}

std::optional<int> delayMilliseconds(const std::string& text)
{
    const char* last = text.data() + text.size();
    int ms = 0;
    const auto [end, error] = std::from_chars(text.data(), last, ms);
    if (error != std::errc() || end != last || ms < 0 || ms > longestHackDelay) return std::nullopt;
    return ms;
}

}  // namespace

std::string showUsage()
{
    return "usage: trochograph-ss                                     the show, full screen\n"
           "       trochograph-ss -root | -window-id ID [-delay MS]   as a screensaver hack\n"
           "       trochograph-ss --render N --output OUT [--size RES]\n"
           "       trochograph-ss --help | --version\n"
           "\n"
           "  -root          draw on the root window, or on XSCREENSAVER_WINDOW when it is set\n"
           "  -window-id ID  draw into the window ID, decimal or 0x-hex; without -root or\n"
           "                 -window-id, XSCREENSAVER_WINDOW names the window when it is set\n"
           "  -delay MS      the pause after each point, 0 to " + std::to_string(longestHackDelay) +
           " ms (default " + std::to_string(defaultHackDelay) + ")\n"
           "  --render N     draws preset N into a picture (see trochograph-ss --render --help)\n";
}

ShowCommand parseShowCommandLine(const std::vector<std::string>& args, const char* screensaverWindow)
{
    if (!args.empty() && args[0] == "--render") {
        ShowCommand command = only(ShowCommand::render);
        command.renderArgs.assign(args.begin() + 1, args.end());
        return command;
    }
    bool root = false;
    std::optional<std::uint32_t> window;
    std::optional<int> delay;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") return only(ShowCommand::help);
        if (arg == "--version") return only(ShowCommand::version);
        const std::string name = hackOption(arg);
        if (name == "-root") {
            root = true;
            continue;
        }
        if (name != "-window-id" && name != "-delay") return usageError("unknown option '" + arg + "'", true);
        if (i + 1 >= args.size())
            return usageError(arg + (name == "-delay" ? " needs a number of milliseconds" : " needs a window id"));
        const std::string& value = args[++i];
        if (name == "-delay") {
            delay = delayMilliseconds(value);
            if (!delay)
                return usageError(arg + " takes milliseconds from 0 to " + std::to_string(longestHackDelay) +
                                  ", not '" + value + "'");
            continue;
        }
        std::string problem;
        window = windowId(value, arg, problem);
        if (!window) return usageError(problem);
    }

    const bool fromScreensaver = screensaverWindow && *screensaverWindow;
    if (!root && !window && !fromScreensaver) {
        if (delay) return usageError("-delay is for the screensaver hack: give -root or -window-id as well");
        return only(ShowCommand::show);
    }
    ShowCommand command = only(ShowCommand::hack);
    if (!window && fromScreensaver) {
        std::string problem;
        window = windowId(screensaverWindow, "XSCREENSAVER_WINDOW", problem);
        if (!window) return usageError(problem);
    }
    command.hackOptions.window = window;
    command.hackOptions.delay = delay.value_or(defaultHackDelay);
    return command;
}

}  // namespace trochograph
