#include "common/error_line.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace trochograph {
namespace {

TEST(ErrorLine, ControlCharactersAreEscapedSoTheLineStaysOne)
{
    const std::pair<std::string, std::string> cases[] = {
        {"plain 'text' \\ as is", "plain 'text' \\ as is"},
        {"two\nlines", "two\\nlines"},
        {"cr\r\n", "cr\\r\\n"},
        {std::string("nul\0esc\x1b del\x7f tab\t", 18), "nul\\x00esc\\x1b del\\x7f tab\t"},
        {"caf\xc3\xa9", "caf\xc3\xa9"},
        // A name that would retitle the terminal, clear it, or start a command in 8 bits.
        {"a\x1b]0;owned\x07.mp4", "a\\x1b]0;owned\\x07.mp4"},
        {"\x1b[2J.png", "\\x1b[2J.png"},
        {"csi\xc2\x9b" "2J \xc2\xa0nbsp \xc2", "csi\\xc2\\x9b2J \xc2\xa0nbsp \xc2"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(escapedControls(text), expected) << text;
    EXPECT_EQ(escapedControls("a\tb\n", Tabs::escaped), "a\\tb\\n");
}

}  // namespace
}  // namespace trochograph
