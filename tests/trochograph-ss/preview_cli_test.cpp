// The show's --render preview, run as its own process: the picture of a preset, and one
// line naming the problem for bad input, with no file left behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "run_program.h"
#include "scratch_dir.h"

namespace trochograph::test {
namespace {

ProgramRun runShow(const std::string& arguments) { return runCommand(TROCHOGRAPH_SS_BINARY, arguments); }

TEST(ShowPreview, DrawsAPresetIntoAPicture)
{
    ScratchDir dir;
    const ProgramRun run = runShow("--render 2 --output " + quoted(dir / "rose.tga") + " --size 120");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
    const auto bytes = readBytes(dir / "rose.tga");
    ASSERT_EQ(bytes.size(), 18u + 3u * 120 * 120 + 26u);
    EXPECT_EQ(bytes[18], 0) << "the corner stays black";
    EXPECT_TRUE(std::any_of(bytes.begin() + 18, bytes.end() - 26, [](std::uint8_t b) { return b != 0; }));

    const ProgramRun png = runShow("--render 28 --output " + quoted(dir / "last.png") + " --size 100");
    EXPECT_EQ(png.exitCode, 0) << png.output;
    EXPECT_GT(readBytes(dir / "last.png").size(), 8u);
}

TEST(ShowPreview, RefusesBadInputWithOneLine)
{
    ScratchDir dir;
    const std::string out = " --output " + quoted(dir / "x.tga");
    const std::pair<std::string, std::string> cases[] = {
        {"--render 29" + out, "--render takes a preset number from 0 to 28, not '29'"},
        {"--render x" + out, "--render takes a preset number from 0 to 28, not 'x'"},
        {"--render", "--render needs a preset number"},
        {"--render 3", "--output is missing"},
        {"--render 3" + out + " --size 99", "--size takes a whole number from 100 to 9600, not '99'"},
        {"--render 3 --output " + quoted(dir / "x.bmp"), "x.bmp: the output must end in .tga or .png"},
        {"--render 3 --output " + quoted(dir / "nowhere" / "x.tga"),
         "x.tga: can't create the file: No such file or directory"},
        {"--render 3" + out + " --speed 2", "unknown option '--speed'"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = runShow(arguments);
        EXPECT_NE(run.exitCode, 0) << arguments;
        EXPECT_EQ(run.output.rfind("trochograph-ss: ", 0), 0u) << run.output;
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
        EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
    }
    EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
}  // namespace trochograph::test
