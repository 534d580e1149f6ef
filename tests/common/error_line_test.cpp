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
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(escapedControls(text), expected) << text;
}

}  // namespace
}  // namespace trochograph
