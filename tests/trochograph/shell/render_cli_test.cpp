#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sys/wait.h>

#include "circle_animation.h"
#include "palette.h"
#include "render_options.h"
#include "scratch_dir.h"

namespace trochograph::test {
namespace {

TEST(RenderOptions, AcceptsEveryOptionWithinItsRange)
{
    const auto parsed = parseRenderOptions({"--output", "a.tga", "--params", "p.rlt", "--palette", "m.map", "--size",
                                            "9600", "--line-width", "5", "--scale", "0.1", "--rounding", "0",
                                            "--animate"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const RenderOptions& o = *parsed.options;
    EXPECT_EQ(o.output, "a.tga");
    EXPECT_EQ(o.params, "p.rlt");
    EXPECT_EQ(o.palette, "m.map");
    EXPECT_EQ(o.size, 9600);
    EXPECT_EQ(o.lineWidth, 5);
    EXPECT_EQ(o.scale, 0.1);
    EXPECT_EQ(o.rounding, 0);
    EXPECT_TRUE(o.animate);
}

TEST(RenderOptions, RefusesBadArgumentsWithAMessageNamingThem)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "--output is missing"},
        {{"--output"}, "--output needs a value"},
        {{"--output", "a.tga", "--colour", "red"}, "unknown option '--colour'"},
        {{"--output", "a.tga", "--size", "99"}, "--size takes a whole number from 100 to 9600, not '99'"},
        {{"--output", "a.tga", "--size", "9601"}, "--size takes a whole number from 100 to 9600, not '9601'"},
        {{"--output", "a.tga", "--size", "640px"}, "--size takes a whole number from 100 to 9600, not '640px'"},
        {{"--output", "a.tga", "--line-width", "0"}, "--line-width takes a whole number from 1 to 5, not '0'"},
        {{"--output", "a.tga", "--scale", "5.01"}, "--scale takes a number from 0.1 to 5.0, not '5.01'"},
        {{"--output", "a.tga", "--scale", "nan"}, "--scale takes a number from 0.1 to 5.0, not 'nan'"},
        {{"--output", "a.tga", "--rounding", "11"}, "--rounding takes a whole number from 0 to 10, not '11'"},
    };
    for (const auto& [args, message] : cases) {
        const auto parsed = parseRenderOptions(args);
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.error, message);
    }
}

struct ProgramRun {
    int exitCode = -1;
    std::string output;  // stdout and stderr together
};

ProgramRun runProgram(const std::string& arguments)
{
    ProgramRun run;
    const std::string command = std::string(TROCHOGRAPH_BINARY) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 512> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe)) run.output += buffer.data();
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quoted(const std::filesystem::path& p)
{
    std::string q(1, '\'');
    q += p.string();
    q += '\'';
    return q;
}
std::string data(const std::string& name) { return quoted(std::filesystem::path(TEST_DATA_DIR) / name); }

// The colour of a pixel of a Targa file written by the program (top row first, B G R).
Colorref tgaPixel(const std::vector<std::uint8_t>& tga, int side, int x, int y)
{
    const std::size_t at = 18 + 3 * (static_cast<std::size_t>(y) * side + x);
    return rgb(tga[at + 2], tga[at + 1], tga[at]);
}

bool tgaContains(const std::vector<std::uint8_t>& tga, int side, Colorref c)
{
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (tgaPixel(tga, side, x, y) == c) return true;
    return false;
}

TEST(RenderCommand, DrawsTheDefaultCurveAsTargaOrPng)
{
    ScratchDir dir;
    const ProgramRun tga = runProgram("--render --output " + quoted(dir / "curve.tga"));
    EXPECT_EQ(tga.exitCode, 0) << tga.output;
    EXPECT_EQ(tga.output, "");
    const auto bytes = readBytes(dir / "curve.tga");
    ASSERT_EQ(bytes.size(), 18u + 3u * 600 * 600 + 26u);
    EXPECT_EQ(tgaPixel(bytes, 600, 0, 0), 0u) << "the background is black";
    // The curve begins and, in the last palette entry, ends at R + r - d right of the centre.
    EXPECT_EQ(tgaPixel(bytes, 600, 300 + 132 + 33 - 99, 300), builtinPalette[255]);

    const ProgramRun png = runProgram("--render --output " + quoted(dir / "curve.PNG") + " --size 100");
    EXPECT_EQ(png.exitCode, 0) << png.output;
    const auto pngBytes = readBytes(dir / "curve.PNG");
    ASSERT_GT(pngBytes.size(), 8u);
    EXPECT_EQ(std::string(pngBytes.begin() + 1, pngBytes.begin() + 4), "PNG");
}

TEST(RenderCommand, AppliesParametersPaletteAndOptions)
{
    ScratchDir dir;
    // A grey-ramp palette and a parameter file for a white-on-blue rose.
    std::string map;
    for (int i = 0; i < 256; ++i) map += std::to_string(i) + " " + std::to_string(i) + " " + std::to_string(i) + "\n";
    writeBytes(dir / "grey.map", map);
    const ProgramRun rose = runProgram("--render --output " + quoted(dir / "rose.tga") + " --params " +
                                data("rlt/rose_on_blue.rlt") + " --palette " + quoted(dir / "grey.map") +
                                " --size 201 --line-width 1 --scale 0.5 --animate");
    ASSERT_EQ(rose.exitCode, 0) << rose.output;
    const auto bytes = readBytes(dir / "rose.tga");
    ASSERT_EQ(bytes.size(), 18u + 3u * 201 * 201 + 26u);
    EXPECT_EQ(tgaPixel(bytes, 201, 0, 0), rgb(0, 0, 255)) << "background from the file";
    EXPECT_TRUE(tgaContains(bytes, 201, rgb(1, 1, 1))) << "palette entry 1 of the MAP file";
    EXPECT_TRUE(tgaContains(bytes, 201, circle_colors::fixedCircle)) << "--animate draws the fixed circle";
    // Scaled by half, the rose of amplitude 90 % stays within about 45 % of the centre.
    EXPECT_EQ(tgaPixel(bytes, 201, 100 + 60, 100), rgb(0, 0, 255));
}

TEST(RenderCommand, AnimateLeavesTheLastCirclesInThePicture)
{
    ScratchDir dir;
    ASSERT_EQ(runProgram("--render --output " + quoted(dir / "plain.tga") + " --size 150").exitCode, 0);
    ASSERT_EQ(runProgram("--render --output " + quoted(dir / "animated.tga") + " --size 150 --animate").exitCode, 0);
    const auto plain = readBytes(dir / "plain.tga"), animated = readBytes(dir / "animated.tga");
    for (Colorref c : {circle_colors::movingCircle, circle_colors::armOfTrochoid, circle_colors::spokes}) {
        EXPECT_FALSE(tgaContains(plain, 150, c));
        EXPECT_TRUE(tgaContains(animated, 150, c));
    }
}

TEST(RenderCommand, RefusesBadInputWithoutTouchingTheOutput)
{
    ScratchDir dir;
    const auto out = dir / "keep.tga";
    writeBytes(out, "precious");
    const std::pair<std::string, std::string> cases[] = {
        {"--size 5", "--size takes a whole number from 100 to 9600, not '5'"},
        {"--params " + quoted(dir / "missing.rlt"), "missing.rlt: Error opening RLT file"},
        {"--params " + data("rlt/type_7.rlt"), "type_7.rlt: type is 7"},
        {"--params " + data("rlt/truncated_57.rlt"), "truncated_57.rlt: "},
        {"--palette " + data("map/second_line_empty.map"), "second_line_empty.map: "},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = runProgram("--render --output " + quoted(out) + " " + arguments);
        EXPECT_NE(run.exitCode, 0) << arguments;
        EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n') >= 1, true);
    }
    const auto kept = readBytes(out);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "precious");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"keep.tga"}) << "no partial files";

    const ProgramRun badFormat = runProgram("--render --output " + quoted(dir / "curve.bmp"));
    EXPECT_NE(badFormat.exitCode, 0);
    EXPECT_NE(badFormat.output.find("must end in .tga or .png"), std::string::npos);
    for (const char* name : {"nowhere/curve.tga", "nowhere/curve.png"}) {
        const ProgramRun unwritable = runProgram("--render --output " + quoted(dir / name));
        EXPECT_NE(unwritable.exitCode, 0) << unwritable.output;
        EXPECT_NE(unwritable.output.find("nowhere"), std::string::npos) << unwritable.output;
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"keep.tga"});
}

TEST(RenderCommand, HelpPrintsTheUsage)
{
    const ProgramRun help = runProgram("--render --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output.rfind("usage: trochograph --render --output OUT", 0), 0u) << help.output;
}

}  // namespace
}  // namespace trochograph::test
