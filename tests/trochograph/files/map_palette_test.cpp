// Palette files: which lines make a palette, how numbers are read, and that a refused file
// changes nothing.
#include "map_palette.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace trochograph {
namespace {

using Entry = std::array<std::uint8_t, 3>;

MapTable parsed(const std::string& text)
{
    const MapParse p = parseMap(text);
    EXPECT_TRUE(p.table.has_value()) << p.error;
    return p.table.value_or(MapTable{});
}

std::string refusal(const std::string& text)
{
    const MapParse p = parseMap(text);
    EXPECT_FALSE(p.table.has_value()) << text;
    return p.error;
}

std::string lines(int count, const std::string& suffix = "")
{
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(i) + " " + std::to_string(i) + " " + std::to_string(i) + suffix + "\n";
    return text;
}

TEST(MapPalette, MissingLinesLeaveOnes)
{
    for (const auto& e : parsed("")) EXPECT_EQ(e, (Entry{1, 1, 1}));

    const MapTable t = parsed(lines(16));
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t v = i < 16 ? static_cast<std::uint8_t>(i) : 1;
        EXPECT_EQ(t[i], (Entry{v, v, v})) << i;
    }
    // The last line needs no line end.
    EXPECT_EQ(parsed("7 8 9")[0], (Entry{7, 8, 9}));
}

TEST(MapPalette, OnlyTheFirst256LinesAreRead)
{
    const MapTable full = parsed(lines(256, " some text"));
    for (int i = 0; i < 256; ++i) EXPECT_EQ(full[i], (Entry{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)}));

    std::string text = lines(289) + "not a palette line\n" + lines(10);
    EXPECT_EQ(parsed(text), full);
    EXPECT_EQ(parsed(lines(256) + "\n"), full);
}

TEST(MapPalette, NumbersAreReadAsDecimalIntegersKeepingTheLowByte)
{
    const std::pair<const char*, Entry> cases[] = {
        {"300 -1 256", {44, 255, 0}},
        {"1-2-3", {1, 254, 253}},
        {"+5 +6 +7", {5, 6, 7}},
        {"  \t 10\t20   30", {10, 20, 30}},
        {"007 010 0x20", {7, 10, 0}},
        {"1 2 3.75 and the rest", {1, 2, 3}},
        {"2147483647 -2147483648 -2147483647", {255, 0, 1}},
        {"1 2 3\r", {1, 2, 3}},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(parsed(line)[0], expected) << line;
}

TEST(MapPalette, CrLfLineEnds)
{
    const MapTable t = parsed("1 2 3\r\n4 5 6\r\n");
    EXPECT_EQ(t[0], (Entry{1, 2, 3}));
    EXPECT_EQ(t[1], (Entry{4, 5, 6}));
    EXPECT_EQ(t[2], (Entry{1, 1, 1}));
    EXPECT_NE(refusal("1 2 3\r\n\r\n4 5 6\r\n").find("line 2"), std::string::npos);
}

// A long line is one entry however long it is, with the numbers anywhere after white space.
TEST(MapPalette, LongLinesAreOneEntry)
{
    const std::string comment(200, 'x');
    const MapTable t = parsed("10 20 30 " + comment + "\n" + std::string(150, ' ') + "40 50 60\n");
    EXPECT_EQ(t[0], (Entry{10, 20, 30}));
    EXPECT_EQ(t[1], (Entry{40, 50, 60}));
    EXPECT_EQ(t[2], (Entry{1, 1, 1}));
}

TEST(MapPalette, ABadLineRefusesTheFileAndNamesTheLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"1 2 3\n\n4 5 6\n", "palette line 2 does not start with three whole numbers"},
        {"\n", "palette line 1 "},
        {"1 2\n", "palette line 1 does not"},
        {"1,2,3\n", "palette line 1 does not"},
        {"- 1 2 3\n", "palette line 1 does not"},
        {"red 1 2 3\n", "palette line 1 does not"},
        {lines(2) + "1 2 99999999999\n", "palette line 3 has a number too large to read"},
        {"2147483648 0 0\n", "palette line 1 has a number too large"},
        {"-2147483649 0 0\n", "palette line 1 has a number too large"},
        {lines(255) + "x\n", "palette line 256 "},
    };
    for (const auto& [text, expected] : cases) {
        const std::string error = refusal(text);
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
}

TEST(MapPalette, OpeningAFileFillsTheScratchTableOnlyOnSuccess)
{
    test::ScratchDir dir;
    CurveState s;
    s.paltemp[0] = {9, 9, 9};
    s.paltemp[200] = {8, 8, 8};
    const auto before = s.paltemp;
    const std::filesystem::path maps = std::filesystem::path(TEST_DATA_DIR) / "map";

    const std::pair<const char*, const char*> refused[] = {
        {"second_line_empty.map", "line 2"},
        {"two_numbers.map", "line 2"},
        {"overflow.map", "line 2"},
        {"words_first.map", "line 1"},
    };
    for (const auto& [file, expected] : refused) {
        const LoadResult r = OpenMapFile(maps / file, s);
        EXPECT_EQ(r.code, LoadResult::invalid) << file;
        EXPECT_NE(r.message.find(expected), std::string::npos) << r.message;
        EXPECT_EQ(s.paltemp, before) << file;
    }
    for (const auto& path : {dir / "missing.map", dir.path()}) {
        EXPECT_EQ(OpenMapFile(path, s).code, LoadResult::cannotOpen) << path;
        EXPECT_EQ(s.paltemp, before);
    }

    test::writeBytes(dir / "Lower.map", "1 2 3\r\n4 5 6\r\n");
    const LoadResult r = OpenMapFile(dir / "Lower.map", s);
    ASSERT_EQ(r.code, LoadResult::ok) << r.message;
    EXPECT_EQ(s.paltemp[0], (Entry{1, 2, 3}));
    EXPECT_EQ(s.paltemp[1], (Entry{4, 5, 6}));
    EXPECT_EQ(s.paltemp[200], (Entry{1, 1, 1}));
}

TEST(MapPalette, AcceptingMakesColourWordsFromTheScratchTable)
{
    CurveState s;
    s.paltemp = parsed("1 2 3\n255 0 128\n");
    const Palette before = s.crpalette;
    acceptPalette(s);
    EXPECT_EQ(s.crpalette[0], 0x00030201u);
    EXPECT_EQ(s.crpalette[1], 0x008000FFu);
    EXPECT_EQ(s.crpalette[255], 0x00010101u);
    EXPECT_EQ(s.crdefault, before);  // the default palette is not this function's business
}

}  // namespace
}  // namespace trochograph
