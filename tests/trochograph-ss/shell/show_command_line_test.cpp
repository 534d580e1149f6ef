#include <gtest/gtest.h>

#include "show_command_line.h"

namespace trochograph::test {
namespace {

using Args = std::vector<std::string>;

TEST(ShowCommandLine, ChoosesWhatTheShowDoes)
{
    struct Case {
        Args args;
        const char* screensaverWindow;
        ShowCommand::Kind kind;
        std::optional<std::uint32_t> window = std::nullopt;
        int delay = 5;
        std::string error = "";
        bool withUsage = false;
    };
    using enum ShowCommand::Kind;
    const std::string badId = " takes a window id, decimal or 0x-hex, not ";
    const std::string notZero = " takes a window id, not 0, which is no window";
    const std::string tooLarge = "' is too large for a window id";
    const std::string badDelay = " takes milliseconds from 0 to 1000, not ";
    const std::string delayAlone = "-delay is for the screensaver hack: give -root or -window-id as well";
    const Case cases[] = {
        {{}, nullptr, show},
        {{}, "", show},  // set but empty counts as unset
        {{}, "0x1a00003", hack, 0x1a00003},
        {{"--help"}, nullptr, help},
        {{"-h"}, "0x10", help},
        {{"-root", "--help"}, nullptr, help},
        {{"--version"}, nullptr, version},
        {{"--render", "3", "--output", "a.tga"}, "0x10", render},
        // Where the hack draws: -window-id, else XSCREENSAVER_WINDOW, else the root window.
        {{"-root"}, nullptr, hack},
        {{"-root"}, "12345", hack, 12345},
        {{"--root"}, "0X2a", hack, 42},
        {{"-window-id", "0x400007"}, nullptr, hack, 0x400007},
        {{"--window-id", "4194311"}, nullptr, hack, 4194311},
        {{"-window-id", "0xFFFFFFFF"}, nullptr, hack, 0xFFFFFFFF},
        {{"-root", "-window-id", "77"}, "0x99", hack, 77},
        {{"-window-id", "77"}, "junk", hack, 77},
        {{"-root", "-delay", "0"}, nullptr, hack, std::nullopt, 0},
        {{"--delay", "1000", "-root"}, nullptr, hack, std::nullopt, 1000},
        {{"-delay", "20"}, "0x99", hack, 0x99, 20},
        // Refused.
        {{"-delay", "5"}, nullptr, usageError, {}, 5, delayAlone},
        {{"-root", "-delay", "1001"}, nullptr, usageError, {}, 5, "-delay" + badDelay + "'1001'"},
        {{"-root", "--delay", "-1"}, nullptr, usageError, {}, 5, "--delay" + badDelay + "'-1'"},
        {{"-root", "-delay", "5ms"}, nullptr, usageError, {}, 5, "-delay" + badDelay + "'5ms'"},
        {{"-root", "-delay"}, nullptr, usageError, {}, 5, "-delay needs a number of milliseconds"},
        {{"-window-id"}, nullptr, usageError, {}, 5, "-window-id needs a window id"},
        {{"-window-id", ""}, nullptr, usageError, {}, 5, "-window-id" + badId + "''"},
        {{"-window-id", "abc"}, nullptr, usageError, {}, 5, "-window-id" + badId + "'abc'"},
        {{"-window-id", "12abc"}, nullptr, usageError, {}, 5, "-window-id" + badId + "'12abc'"},
        {{"-window-id", " 12"}, nullptr, usageError, {}, 5, "-window-id" + badId + "' 12'"},
        {{"-window-id", "0x"}, nullptr, usageError, {}, 5, "-window-id" + badId + "'0x'"},
        {{"-window-id", "-5"}, nullptr, usageError, {}, 5, "-window-id takes a window id, not the negative '-5'"},
        {{"-window-id", "0"}, nullptr, usageError, {}, 5, "-window-id" + notZero},
        {{"--window-id", "0x0"}, nullptr, usageError, {}, 5, "--window-id" + notZero},
        {{"-window-id", "4294967296"}, nullptr, usageError, {}, 5, "-window-id: '4294967296" + tooLarge},
        {{"-window-id", "0x100000000"}, nullptr, usageError, {}, 5, "-window-id: '0x100000000" + tooLarge},
        {{"-root"}, "junk", usageError, {}, 5, "XSCREENSAVER_WINDOW" + badId + "'junk'"},
        {{}, "0", usageError, {}, 5, "XSCREENSAVER_WINDOW" + notZero},
        {{"-bogus"}, nullptr, usageError, {}, 5, "unknown option '-bogus'", true},
        {{"-root", "---root"}, nullptr, usageError, {}, 5, "unknown option '---root'", true},
        {{"-root", "--render", "3"}, nullptr, usageError, {}, 5, "unknown option '--render'", true},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.args) shown += a + " ";
        shown += c.screensaverWindow ? std::string("XSCREENSAVER_WINDOW=") + c.screensaverWindow : "(no env)";
        const ShowCommand command = parseShowCommandLine(c.args, c.screensaverWindow);
        EXPECT_EQ(command.kind, c.kind) << shown;
        EXPECT_EQ(command.error, c.error) << shown;
        EXPECT_EQ(command.withUsage, c.withUsage) << shown;
        if (c.kind == hack) {
            EXPECT_EQ(command.hackOptions.window, c.window) << shown;
            EXPECT_EQ(command.hackOptions.delay, c.delay) << shown;
        }
        if (c.kind == render) {
            EXPECT_EQ(command.renderArgs, Args(c.args.begin() + 1, c.args.end()));
        }
    }
}

}  // namespace
}  // namespace trochograph::test
