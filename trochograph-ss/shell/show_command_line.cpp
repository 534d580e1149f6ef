#include "shell/show_command_line.h"

#include <charconv>

#include "common/option_table.h"

namespace trochograph {

namespace {

struct ShowArgs {
    bool render = false;
    std::vector<std::string> renderArgs;
    bool root = false;
    std::optional<std::uint32_t> window;
    std::optional<int> delay;
    bool help = false;
    bool version = false;
};

// The hack's options take one dash or two, as XScreenSaver's hacks do: "--root" is "-root".
const OptionTable<ShowArgs>& showTable()
{
    using A = ShowArgs;
    static const OptionTable<ShowArgs> table{
        "trochograph-ss",
        {"", "-root | -window-id ID [-delay MS]", "--render N --output OUT [--size RES]", "--help | --version"},
        "Without options, the show runs full screen; with -root or -window-id, as a screensaver hack.",
        {
            flag({"-root", "--root"}, &A::root, "draw on the root window, or on XSCREENSAVER_WINDOW when it is set"),
            custom({"-window-id", "--window-id"}, "ID", &A::window, readWindowId, "a window id",
                   "draw into the window ID, decimal or 0x-hex; without -root or -window-id, "
                   "XSCREENSAVER_WINDOW names the window when it is set"),
            whole({"-delay", "--delay"}, "MS", &A::delay, hackDelay,
                  "the pause after each point, " + std::to_string(hackDelay.low) + " to " +
                      std::to_string(hackDelay.high) + " ms (default " + std::to_string(defaultHackDelay) + ")")
                .called("a number of milliseconds"),
            rest({"--render"}, "N ...", &A::renderArgs,
                 "draws preset N into a picture (see trochograph-ss --render --help)")
                .marking(&A::render),
            answer({"--help", "-h"}, &A::help, "print this usage"),
            answer({"--version"}, &A::version, "print the version"),
        },
    };
    return table;
}

Error usageError(std::string message) { return {ErrorCode::usage, std::move(message)}; }

}  // namespace

Result<long long> readWindowId(std::string_view text, std::string_view source)
{
    const std::string name(source);
    std::string quoted(1, '\'');
    quoted.append(text).push_back('\'');
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* last = text.data() + text.size();
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(text.data() + (hex ? 2 : 0), last, id, hex ? 16 : 10);
    std::string problem;
    if (!text.empty() && text[0] == '-')
        problem = name + " takes a window id, not the negative " + quoted;
    else if (error == std::errc::result_out_of_range)
        problem = name + ": " + quoted + " is too large for a window id";
    else if (error != std::errc() || end != last)
        problem = name + " takes a window id, decimal or 0x-hex, not " + quoted;
    else if (id == 0)
        problem = name + " takes a window id, not 0, which is no window";
    else
        return static_cast<long long>(id);
    return Error{ErrorCode::badValue, problem};
}

std::string showUsage() { return usageText(showTable()); }

Result<ShowCommand> parseShowCommandLine(const std::vector<std::string>& args, const char* screensaverWindow)
{
    auto parsed = parseOptions(showTable(), args);
    if (!parsed) return parsed.error();
    const ShowArgs& a = *parsed;
    ShowCommand command;
    if (a.help || a.version) {
        command.kind = a.help ? ShowCommand::help : ShowCommand::version;
        return command;
    }
    if (a.render) {
        command.kind = ShowCommand::render;
        command.renderArgs = a.renderArgs;
        return command;
    }
    const bool fromScreensaver = screensaverWindow && *screensaverWindow;
    if (!a.root && !a.window && !fromScreensaver) {
        if (a.delay) return usageError("-delay is for the screensaver hack: give -root or -window-id as well");
        return command;
    }
    command.kind = ShowCommand::hack;
    command.hackOptions.window = a.window;
    if (!a.window && fromScreensaver) {
        const auto id = readWindowId(screensaverWindow, "XSCREENSAVER_WINDOW");
        if (!id) return id.error();
        command.hackOptions.window = static_cast<std::uint32_t>(*id);
    }
    command.hackOptions.delay = a.delay.value_or(defaultHackDelay);
    return command;
}

}  // namespace trochograph
