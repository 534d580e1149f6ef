// PNG export: the file's chunks, every pixel and sample decoded back by libpng, the rows
// with alpha and padding the picture tool gives, failures of the sink at any write without
// a word on stderr, and the file writer's codes, messages and names.
#include "files/png_export.h"

#include <png.h>

#include <gtest/gtest.h>

#include "failing_sink.h"
#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::FailingSink;
using test::ScratchDir;

std::vector<std::uint8_t> encode(const Surface& s)
{
    MemorySink sink;
    EXPECT_TRUE(encodePng(s, sink));
    return sink.data;
}

std::vector<std::uint8_t> encode(const PngPixels& p)
{
    MemorySink sink;
    EXPECT_TRUE(encodePng(p, sink));
    return sink.data;
}

// The picture as RGBA samples, by libpng's reader; empty when it refuses the file.
std::vector<std::uint8_t> decodeRgba(const std::vector<std::uint8_t>& file, int width, int height)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) {
        ADD_FAILURE() << image.message;
        return {};
    }
    EXPECT_EQ(image.width, static_cast<png_uint_32>(width));
    EXPECT_EQ(image.height, static_cast<png_uint_32>(height));
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> samples(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, samples.data(), 0, nullptr)) {
        ADD_FAILURE() << image.message;
        return {};
    }
    return samples;
}

std::uint32_t bigEndian32(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// The chunk types in file order.
std::vector<std::string> chunkTypes(const std::vector<std::uint8_t>& file)
{
    std::vector<std::string> types;
    for (std::size_t at = 8; at + 12 <= file.size();) {
        types.emplace_back(file.begin() + at + 4, file.begin() + at + 8);
        at += 12 + bigEndian32(&file[at]);
    }
    return types;
}

// A colour of its own for every pixel, with red, green and blue all different.
Colorref distinct(int x, int y) { return rgb(10 + 40 * x, 200 - 30 * y, 7 * x + 11 * y + 1); }

// Hashed, so that no filter makes a large picture predictable and its data stays large.
Colorref hashed(int x, int y)
{
    std::uint32_t v = static_cast<std::uint32_t>(x * 7919 + y * 104729);
    v ^= v >> 15, v *= 2654435761u, v ^= v >> 13;
    return static_cast<Colorref>(v & 0x00FFFFFF);
}

// Small odd shapes, and one large enough for many chunks and writes, with a row length
// that fills no buffer evenly.
TEST(Png, SurfacesDecodeBackPixelByPixel)
{
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 3}, {3, 2}, {5, 3}, {6, 1}, {1001, 700}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const auto colour = w > 100 ? hashed : distinct;
        Surface s(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) s.setPixel(x, y, colour(x, y));
        const auto png = encode(s);
        EXPECT_EQ(png[24], 8) << "bit depth";
        EXPECT_EQ(png[25], 2) << "colour type RGB";
        if (w > 100) {
            const auto types = chunkTypes(png);
            EXPECT_GT(std::count(types.begin(), types.end(), "IDAT"), 2);
        }
        const auto rgba = decodeRgba(png, w, h);
        ASSERT_EQ(rgba.size(), 4u * w * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint8_t* p = &rgba[4 * (static_cast<std::size_t>(y) * w + x)];
                if (rgb(p[0], p[1], p[2]) != s.pixel(x, y) || p[3] != 255) FAIL() << "pixel " << x << "," << y;
            }
    }
}

TEST(Png, FileIsSignatureHeaderDataAndEndOnly)
{
    const auto png = encode(Surface(5, 3, rgb(255, 0, 0)));
    const std::vector<std::uint8_t> start(png.begin(), png.begin() + 29);
    EXPECT_EQ(start, (std::vector<std::uint8_t>{
                         0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',  // signature
                         0, 0, 0, 13, 'I', 'H', 'D', 'R',               // header chunk
                         0, 0, 0, 5, 0, 0, 0, 3,                        // width, height
                         8, 2, 0, 0, 0,  // 8 bits, RGB, deflate, adaptive filters, not interlaced
                     }));
    const std::vector<std::uint8_t> end(png.end() - 12, png.end());
    EXPECT_EQ(end, (std::vector<std::uint8_t>{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));
    EXPECT_EQ(chunkTypes(png), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
}

// The picture tool's rows: RGB or RGBA bytes with padding after each row, which must not
// leak into the picture; alpha is stored as given.
TEST(Png, RowsWithAlphaAndPaddingDecodeBack)
{
    for (const bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "RGBA" : "RGB");
        const int w = 3, h = 2, channels = alpha ? 4 : 3, stride = w * channels + 5;
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stride) * h, 0xEE);
        const std::uint8_t alphas[] = {0, 1, 128, 254, 255, 77};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                std::uint8_t* p = &bytes[static_cast<std::size_t>(y) * stride + x * channels];
                const Colorref c = distinct(x, y);
                p[0] = static_cast<std::uint8_t>(redOf(c)), p[1] = static_cast<std::uint8_t>(greenOf(c));
                p[2] = static_cast<std::uint8_t>(blueOf(c));
                if (alpha) p[3] = alphas[y * w + x];
            }
        const auto png = encode(PngPixels{w, h, alpha, bytes.data(), stride});
        EXPECT_EQ(png[25], alpha ? 6 : 2) << "colour type";
        const auto rgba = decodeRgba(png, w, h);
        ASSERT_EQ(rgba.size(), 4u * w * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint8_t* p = &rgba[4 * static_cast<std::size_t>(y * w + x)];
                const std::uint8_t* q = &bytes[static_cast<std::size_t>(y) * stride + x * channels];
                EXPECT_EQ(std::vector<std::uint8_t>(p, p + 4),
                          (std::vector<std::uint8_t>{q[0], q[1], q[2], alpha ? q[3] : std::uint8_t{255}}))
                    << x << "," << y;
            }
    }
}

// Whichever write fails, the last one included, the encoder reports it, stops writing, and
// libpng prints nothing.
TEST(Png, StopsAtTheFirstFailedWriteSilently)
{
    Surface s(300, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) s.setPixel(x, y, distinct(x % 7, y % 5) * static_cast<Colorref>(x ^ y));
    FailingSink counter(1 << 30);
    ASSERT_TRUE(encodePng(s, counter));
    const int writes = counter.calls;
    ASSERT_GT(writes, 4);
    for (int good = 0; good < writes; ++good) {
        FailingSink sink(good);
        testing::internal::CaptureStderr();
        const Result<void> encoded = encodePng(s, sink);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << good;
        ASSERT_FALSE(encoded) << good;
        EXPECT_EQ(encoded.code(), ErrorCode::writeFailed) << good;
        EXPECT_EQ(sink.calls, good + 1);
    }
}

// A sink that can't grow makes a lack of memory, not an exception through libpng's C code.
TEST(Png, ASinkOutOfMemoryIsNoMemory)
{
    const Surface s(40, 30, rgb(1, 2, 3));
    for (int good : {0, 1, 2}) {
        FailingSink sink(good, true);
        const Result<void> encoded = encodePng(s, sink);
        ASSERT_FALSE(encoded) << good;
        EXPECT_EQ(encoded.code(), ErrorCode::noMemory) << good;
        EXPECT_EQ(encoded.message(), "not enough memory to write the file") << good;
    }
}

TEST(Png, EmptyOrMissingPicturesAreRefusedWithoutWriting)
{
    const std::uint8_t pixel[4] = {};
    for (const auto& [w, h] : {std::pair{0, 0}, {0, 5}, {5, 0}}) {
        MemorySink sink;
        EXPECT_FALSE(encodePng(Surface(w, h), sink));
        EXPECT_FALSE(encodePng(PngPixels{w, h, false, pixel, 3}, sink));
        EXPECT_TRUE(sink.data.empty());
    }
    MemorySink sink;
    EXPECT_FALSE(encodePng(PngPixels{1, 1, true, nullptr, 4}, sink));
    EXPECT_FALSE(encodePng(PngPixels{maxPngSide + 1, 1, false, pixel, 0}, sink));
    EXPECT_TRUE(sink.data.empty());
}

TEST(Png, WriterCodesMessagesAndNames)
{
    ScratchDir dir;
    const Surface s(5, 3, 0x00336699);
    const Result<void> saved = writePng(s, dir / "a.png");
    ASSERT_TRUE(saved) << saved.message();
    EXPECT_EQ(test::readBytes(dir / "a.png"), encode(s));

    const Result<void> missing = writePng(s, dir / "missing" / "a.png");
    EXPECT_EQ(missing.code(), ErrorCode::cannotCreate);
    EXPECT_EQ(missing.message(), "can't create the file: No such file or directory");

    // A refused image leaves the existing file as it was, and no temporary file.
    const Result<void> empty = writePng(Surface(4, 0), dir / "a.png");
    EXPECT_EQ(empty.code(), ErrorCode::writeFailed);
    EXPECT_EQ(empty.message(), "a PNG picture must be 1 to 1000000 pixels wide and high");
    EXPECT_EQ(test::readBytes(dir / "a.png"), encode(s));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.png"});

    // Names are bytes: one that isn't UTF-8 is written as given, not "repaired".
    const std::string name = "\xff\xfe rose \xe9t\xe9.png";
    const std::uint8_t rgba[] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_TRUE(writePng(PngPixels{2, 1, true, rgba, 8}, dir / name));
    EXPECT_EQ(test::readBytes(dir / name), encode(PngPixels{2, 1, true, rgba, 8}));
    auto entries = dir.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"a.png", name}));
}

}  // namespace
}  // namespace trochograph
