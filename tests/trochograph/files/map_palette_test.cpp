// Palette files: which lines make a palette, how numbers are read, and that a refused file
// changes nothing.
#include "files/map_palette.h"

#include <gtest/gtest.h>

#include <streambuf>

#include "scratch_dir.h"

namespace trochograph {
namespace {

using Entry = std::array<std::uint8_t, 3>;

MapTable parsed(const std::string& text)
{
    const Result<MapTable> p = parseMap(text);
    EXPECT_TRUE(p.ok()) << p.message();
    return p ? *p : MapTable{};
}

std::string refusal(const std::string& text)
{
    const Result<MapTable> p = parseMap(text);
    EXPECT_FALSE(p.ok()) << text;
    return p ? std::string() : p.message();
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

// A line holds up to 64 KiB before its line end; one character more refuses the file.
TEST(MapPalette, LinesLongerThan64KiBRefuseTheFile)
{
    const std::size_t limit = 64 * 1024;
    auto line = [](std::size_t length) { return "1 2 3 " + std::string(length - 6, 'x'); };
    for (const std::string& text : {line(limit) + "\n", line(limit) + "\r\n", line(limit)})
        EXPECT_EQ(parsed(text)[0], (Entry{1, 2, 3}));
    const std::pair<std::string, std::string> refused[] = {
        {line(limit + 1) + "\n", "palette line 1 is longer than 65536 characters"},
        {line(limit + 1), "palette line 1 is longer than 65536 characters"},
        {line(limit + 1) + "\r\n", "palette line 1 is longer"},
        {lines(3) + line(limit + 2) + "\n", "palette line 4 is longer"},
        {lines(255) + std::string(200000, '\0'), "palette line 256 is longer"},
    };
    for (const auto& [text, expected] : refused) {
        const std::string error = refusal(text);
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
    // Lines after the 256th are never looked at, however long.
    EXPECT_EQ(parsed(lines(256) + std::string(200000, 'x')), parsed(lines(256)));
    EXPECT_EQ(parsed(lines(289) + line(limit + 1) + "\n" + lines(10)), parsed(lines(256)));
}

// An endless stream: `head` once, then `unit` over and over. It gives up after far more
// than any palette read needs, so that a reader without a bound fails instead of hanging.
class EndlessStream : public std::streambuf {
public:
    EndlessStream(std::string head, const std::string& unit) : chunk_(std::move(head))
    {
        while (block_.size() < 4096) block_ += unit;
    }
    std::size_t handedOut = 0;
    bool exhausted = false;

protected:
    int_type underflow() override
    {
        if (handedOut > 64u << 20) {
            exhausted = true;
            return traits_type::eof();
        }
        if (handedOut > 0 || chunk_.empty()) chunk_ = block_;
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        handedOut += chunk_.size();
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    std::string chunk_, block_;
};

TEST(MapPalette, EndlessInputIsReadOnlyAsFarAsAPaletteGoes)
{
    struct Case {
        std::string head, unit;
        std::string error;  // empty: the palette loads
        std::size_t mostRead;
    };
    const Case cases[] = {
        {"", std::string(1, '\0'), "palette line 1 is longer than 65536 characters", 70000},
        {lines(10), "x", "palette line 11 is longer than 65536 characters", 70000},
        {"", "7 8 9\n", "", 8192},
        {lines(300), "\n", "", 8192},  // an empty line after the 256th doesn't count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        EndlessStream source(c.head, c.unit);
        std::istream in(&source);
        const Result<MapTable> p = parseMap(in);
        EXPECT_FALSE(source.exhausted);
        EXPECT_LE(source.handedOut, c.mostRead);
        EXPECT_EQ(p.ok(), c.error.empty());
        if (!p) {
            EXPECT_NE(p.message().find(c.error), std::string::npos) << p.message();
        }
    }
}

// Blank lines at the end end the palette as the end of the file does.
TEST(MapPalette, BlankLinesAtTheEndEndThePalette)
{
    for (const std::string text : {"1 2 3\n\n", "1 2 3\n \t\r\n\n\n", "\n", "1 2 3\r\n\r\n"}) {
        const MapTable t = parsed(text);
        EXPECT_EQ(t[0], (text == "\n" ? Entry{1, 1, 1} : Entry{1, 2, 3})) << text;
        EXPECT_EQ(t[1], (Entry{1, 1, 1})) << text;
    }
}

TEST(MapPalette, ABadLineRefusesTheFileAndNamesTheLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"1 2 3\n\n4 5 6\n", "palette line 2 does not start with three whole numbers"},
        {"1 2 3\n\n \t\n4 5 6\n", "palette line 2 does not start with three whole numbers"},
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

TEST(MapPalette, LoadingAFileGivesTheTableOrSaysWhyNot)
{
    test::ScratchDir dir;
    const std::filesystem::path maps = std::filesystem::path(TEST_DATA_DIR) / "map";

    const std::pair<const char*, const char*> refused[] = {
        {"second_line_empty.map", "line 2"},
        {"two_numbers.map", "line 2"},
        {"overflow.map", "line 2"},
        {"words_first.map", "line 1"},
        {"long_line_2.map", "line 2 is longer than 65536 characters"},
    };
    for (const auto& [file, expected] : refused) {
        const Result<MapTable> r = loadMap(maps / file);
        ASSERT_FALSE(r) << file;
        EXPECT_EQ(r.code(), ErrorCode::invalid) << file;
        EXPECT_NE(r.message().find(expected), std::string::npos) << r.message();
    }
    for (const auto& path : {dir / "missing.map", dir.path()}) {
        const Result<MapTable> r = loadMap(path);
        ASSERT_FALSE(r) << path;
        EXPECT_EQ(r.code(), ErrorCode::cannotOpen) << path;
    }

    // A device that never ends, such as a link to /dev/zero given as a palette.
    if (std::filesystem::exists("/dev/zero")) {
        const Result<MapTable> r = loadMap("/dev/zero");
        ASSERT_FALSE(r);
        EXPECT_EQ(r.code(), ErrorCode::invalid);
        EXPECT_EQ(r.message(), "palette line 1 is longer than 65536 characters");
    }

    test::writeBytes(dir / "Lower.map", "1 2 3\r\n4 5 6\r\n");
    const Result<MapTable> r = loadMap(dir / "Lower.map");
    ASSERT_TRUE(r) << r.message();
    EXPECT_EQ((*r)[0], (Entry{1, 2, 3}));
    EXPECT_EQ((*r)[1], (Entry{4, 5, 6}));
    EXPECT_EQ((*r)[200], (Entry{1, 1, 1}));
}

TEST(MapPalette, AcceptingMakesColourWordsFromTheTable)
{
    CurveParameters p;
    acceptPalette(parsed("1 2 3\n255 0 128\n"), p);
    EXPECT_EQ(p.crpalette[0], 0x00030201u);
    EXPECT_EQ(p.crpalette[1], 0x008000FFu);
    EXPECT_EQ(p.crpalette[255], 0x00010101u);
}

}  // namespace
}  // namespace trochograph
