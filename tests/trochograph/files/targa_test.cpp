// Targa export: the exact header and footer, pixel order and channel order, refusal of
// what can't be encoded, and the file writer's codes.
#include "files/targa.h"

#include <gtest/gtest.h>

#include "failing_sink.h"
#include "files/save_error.h"
#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::FailingSink;
using test::ScratchDir;

std::vector<std::uint8_t> encode(const Surface& s)
{
    MemorySink sink;
    EXPECT_TRUE(encodeTarga(s, sink));
    return sink.data;
}

// The pixel at (x, y) of an encoded image, as a colour word.
Colorref decodedPixel(const std::vector<std::uint8_t>& tga, int x, int y)
{
    const int width = tga[12] | tga[13] << 8;
    const std::size_t at = targaHeaderSize + 3 * (static_cast<std::size_t>(y) * width + x);
    return rgb(tga[at + 2], tga[at + 1], tga[at]);
}

TEST(Targa, HeaderFooterAndSizeOfA600SquareCanvas)
{
    const auto tga = encode(Surface(600, 600, rgb(255, 0, 0)));
    ASSERT_EQ(tga.size(), 1080044u);
    const std::vector<std::uint8_t> header(tga.begin(), tga.begin() + 18);
    EXPECT_EQ(header, (std::vector<std::uint8_t>{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x58, 0x02, 0x58, 0x02, 24, 0x20}));
    const std::string footer(tga.end() - 26, tga.end());
    EXPECT_EQ(footer, std::string("\0\0\0\0\0\0\0\0TRUEVISION-XFILE.\0", 26));
    // Red is stored blue, green, red.
    EXPECT_EQ(tga[18], 0x00);
    EXPECT_EQ(tga[19], 0x00);
    EXPECT_EQ(tga[20], 0xFF);
}

// Asymmetric pictures with a colour of its own in every pixel, so that a mirror image or
// swapped channels show at once; the narrow widths cover every way a row can end after
// pixels written several at a time.
TEST(Targa, SmallPicturesDecodeBackPixelByPixel)
{
    for (int w = 1; w <= 9; ++w) {
        Surface s(w, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < w; ++x) s.setPixel(x, y, static_cast<Colorref>(0x00010203 + 0x00050301 * (y * w + x)));
        const auto tga = encode(s);
        ASSERT_EQ(tga.size(), 18u + 6u * w + 26u);
        EXPECT_EQ(tga[12], w);
        EXPECT_EQ(tga[14], 2);
        // The first pixel of the top row: blue 0x01, green 0x02, red 0x03.
        EXPECT_EQ(std::vector<std::uint8_t>(tga.begin() + 18, tga.begin() + 21), (std::vector<std::uint8_t>{1, 2, 3}));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < w; ++x) EXPECT_EQ(decodedPixel(tga, x, y), s.pixel(x, y)) << w << ": " << x << "," << y;
        EXPECT_EQ(tga[18 + 6 * w + 8], 'T') << w;
    }
}

// Large enough for several blocks of rows, with a row size that doesn't divide the block.
TEST(Targa, ImagesSpanningManyBlocksKeepEveryRow)
{
    const int w = 1001, h = 1500;
    Surface s(w, h);
    auto colour = [](int x, int y) { return static_cast<Colorref>((x * 7919 + y * 104729) & 0x00FFFFFF); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, colour(x, y));
    const auto tga = encode(s);
    ASSERT_EQ(tga.size(), 18u + 3u * w * h + 26u);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (decodedPixel(tga, x, y) != colour(x, y)) FAIL() << "pixel " << x << "," << y;
    EXPECT_EQ(std::string(tga.end() - 18, tga.end() - 1), "TRUEVISION-XFILE.");
}

TEST(Targa, StopsAtTheFirstFailedWrite)
{
    const Surface s(700, 900, 0x00112233);  // header, two blocks of rows, footer
    for (int good = 0; good < 4; ++good) {
        FailingSink sink(good);
        const Result<void> encoded = encodeTarga(s, sink);
        ASSERT_FALSE(encoded) << good;
        EXPECT_EQ(encoded.code(), ErrorCode::writeFailed) << good;
        EXPECT_EQ(sink.calls, good + 1);
    }
    FailingSink enough(4);
    EXPECT_TRUE(encodeTarga(s, enough));
    // A sink that can't grow.
    FailingSink full(1, true);
    EXPECT_EQ(encodeTarga(s, full).code(), ErrorCode::noMemory);
}

TEST(Targa, EmptySurfacesAreRefusedWithoutWriting)
{
    for (const auto& [w, h] : {std::pair{0, 0}, {0, 5}, {5, 0}}) {
        MemorySink sink;
        EXPECT_FALSE(encodeTarga(Surface(w, h), sink));
        EXPECT_TRUE(sink.data.empty());
    }
}

TEST(Targa, WriterCodesAndMessages)
{
    ScratchDir dir;
    const Surface s(5, 3, 0x00336699);
    ASSERT_TRUE(writeTarga(s, dir / "a.tga"));
    EXPECT_EQ(test::readBytes(dir / "a.tga"), encode(s));

    EXPECT_EQ(writeTarga(s, dir / "missing" / "a.tga").code(), ErrorCode::cannotCreate);

    // A refused image leaves the existing file as it was, and no temporary file.
    const Result<void> refused = writeTarga(Surface(0, 0), dir / "a.tga");
    EXPECT_EQ(refused.code(), ErrorCode::writeFailed);
    EXPECT_EQ(refused.message(), "a Targa picture must be 1 to 65535 pixels wide and high");
    EXPECT_EQ(test::readBytes(dir / "a.tga"), encode(s));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.tga"});

    // The window's text: the fixed one of a saving code, then the failure's own reason.
    EXPECT_EQ(saveErrorText("a.tga", refused.error()),
              "Error writing to file.\n\na.tga: a Targa picture must be 1 to 65535 pixels wide and high");
    EXPECT_EQ(saveErrorText("a.tga", {ErrorCode::cannotCreate, ""}), "Error opening file.");
    EXPECT_EQ(saveErrorText("a.tga", {ErrorCode::noMemory, ""}), "Not enough memory to buffer image lines.");
    EXPECT_EQ(saveErrorText("a.tga", {ErrorCode::invalid, "no"}), "The file was not saved.\n\na.tga: no");
}

}  // namespace
}  // namespace trochograph
