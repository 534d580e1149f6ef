// Pictures painted from the record by the program itself: smooth PNGs that lie over the
// raster picture, and posters too large for the memory at hand refused with a message.
#include <gtest/gtest.h>

#include <png.h>
#include <set>

#include "run_program.h"
#include "scratch_dir.h"

namespace trochograph::test {
namespace {

ProgramRun runProgram(const std::string& arguments) { return runCommand(TROCHOGRAPH_BINARY, arguments); }

// RGB samples of a PNG file, by libpng's reader; empty when it refuses the file.
std::vector<std::uint8_t> decodeRgb(const std::filesystem::path& file, int& side)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> samples(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, samples.data(), 0, nullptr)) return {};
    side = static_cast<int>(image.width);
    return samples;
}

TEST(SmoothRender, PaintsTheRasterCurveSmoothly)
{
    ScratchDir dir;
    const std::string rose = "--render --params " + quoted(std::filesystem::path(TEST_DATA_DIR) / "rlt/rose_on_blue.rlt") +
                             " --size 201 --output ";
    ASSERT_EQ(runProgram(rose + quoted(dir / "raster.png")).exitCode, 0);
    const ProgramRun smooth = runProgram(rose + quoted(dir / "smooth.png") + " --antialias");
    ASSERT_EQ(smooth.exitCode, 0) << smooth.output;

    int side = 0, smoothSide = 0;
    const auto raster = decodeRgb(dir / "raster.png", side);
    const auto painted = decodeRgb(dir / "smooth.png", smoothSide);
    ASSERT_EQ(side, 201);
    ASSERT_EQ(smoothSide, 201);
    auto at = [&](const std::vector<std::uint8_t>& p, int x, int y) {
        const std::size_t i = 3 * (static_cast<std::size_t>(y) * side + x);
        return p[i] << 16 | p[i + 1] << 8 | p[i + 2];
    };
    const int background = at(raster, 0, 0);
    EXPECT_EQ(at(painted, 0, 0), background);
    // Every pixel of the raster curve has paint next to it in the smooth picture.
    int curve = 0, missed = 0;
    for (int y = 1; y < side - 1; ++y)
        for (int x = 1; x < side - 1; ++x) {
            if (at(raster, x, y) == background) continue;
            ++curve;
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) near = near || at(painted, x + dx, y + dy) != background;
            missed += !near;
        }
    EXPECT_GT(curve, 500);
    EXPECT_EQ(missed, 0);
    // Edges blend into the background: far more shades than the raster's palette steps.
    std::set<int> shades;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) shades.insert(at(painted, x, y));
    EXPECT_GT(shades.size(), 1000u);
}

TEST(SmoothRender, RefusesPostersBeyondMemoryWithAMessage)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
#else
    // Less address space than the picture takes, and enough for the picture but not for the
    // painter's threads beside it (which once left the painter waiting for ever).
    const struct {
        const char* kilobytes;
        const char* side;
    } limits[] = {{"600000", "16384"}, {"900000", "16384"}, {"520000", "12000"}};
    for (const auto& limit : limits) {
        ScratchDir dir;
        const ProgramRun run =
            runCommand("ulimit -v " + std::string(limit.kilobytes) + "; timeout 60 " + TROCHOGRAPH_BINARY,
                       "--render --antialias --size " + std::string(limit.side) + " --output " +
                           quoted(dir / "poster.png"));
        const std::string expected = std::string("not enough memory for a ") + limit.side + " x " + limit.side;
        EXPECT_EQ(run.exitCode, 1) << limit.kilobytes;
        EXPECT_NE(run.output.find(expected), std::string::npos) << run.output;
        EXPECT_TRUE(dir.entries().empty());
    }
#endif
}

}  // namespace
}  // namespace trochograph::test
