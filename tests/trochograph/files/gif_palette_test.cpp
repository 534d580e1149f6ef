// The GIF film's colour tables: frames of at most 256 colours come back exact, more colours
// fall back to the nearest of the most frequent, and whenever a frame reuses the first table
// an index it shares with the frame before at a pixel means the same colour there, which is
// what the encoder's cropping and transparency take for granted.
#include "files/gif_palette.h"

#include <gtest/gtest.h>

#include <numeric>

namespace trochograph {
namespace {

struct Indexed {
    std::vector<std::uint8_t> indices;
    GifPalettes::Table table;
    bool usedFirst;
};

Indexed indexed(GifPalettes& palettes, const Surface& frame)
{
    Indexed out{std::vector<std::uint8_t>(std::size_t(frame.width()) * frame.height()), {}, false};
    out.table = palettes.index(frame, out.indices.data(), frame.width());
    out.usedFirst = palettes.usedFirst();
    return out;
}

Colorref shown(const Indexed& f, std::size_t pixel)
{
    const std::uint32_t argb = f.table[f.indices[pixel]];
    return rgb(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF);
}

// A frame whose pixels go through `colours` in turn, so that each shows at least once.
Surface frameOf(const std::vector<Colorref>& colours, int side = 40)
{
    Surface s(side, side);
    for (int i = 0; i < side * side; ++i) s.setPixel(i % side, i / side, colours[std::size_t(i) % colours.size()]);
    return s;
}

std::vector<Colorref> range(int from, int count)
{
    std::vector<Colorref> colours(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) colours[std::size_t(i)] = rgb(from + i, (from + i) >> 8, 7);
    return colours;
}

TEST(GifPalettes, FramesOfAtMost256ColoursAreExactAndSharedIndicesMeanSharedColours)
{
    const std::vector<Colorref> likely = range(0, 200);
    GifPalettes palettes(likely);
    std::uint32_t seed = 1;
    const auto next = [&] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
    Indexed previous;
    int usedFirst = 0;
    for (int k = 0; k < 60; ++k) {
        SCOPED_TRACE(k);
        // Colours from a pool larger than the likely ones, up to 256 of them.
        const int count = k == 5 ? 256 : 1 + int(next() % 256);
        std::vector<Colorref> colours;
        const int from = int(next() % 150) + (k % 3 == 0 ? 0 : 100);
        for (int i = 0; i < count; ++i) colours.push_back(rgb(from + i, (from + i) >> 8, 7));
        std::vector<Colorref> pixels(1600);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = colours[i < colours.size() ? i : next() % colours.size()];
        const Surface frame = frameOf(pixels);
        const Indexed now = indexed(palettes, frame);
        for (std::size_t p = 0; p < pixels.size(); ++p) ASSERT_EQ(shown(now, p), pixels[p]) << p;
        if (k > 0 && now.usedFirst) {
            for (std::size_t p = 0; p < pixels.size(); ++p) {
                if (now.indices[p] == previous.indices[p]) {
                    ASSERT_EQ(shown(previous, p), pixels[p]) << p;
                }
            }
        }
        usedFirst += now.usedFirst;
        previous = now;
    }
    EXPECT_GT(usedFirst, 5);  // the rule above was put to the test
}

TEST(GifPalettes, TheFirstTableReturnsOnlyWhenTheFrameBeforeAgreesWithIt)
{
    const Colorref a = rgb(1, 0, 0), b = rgb(2, 0, 0), x = rgb(3, 0, 0);
    // 254 likely colours fill the first table; the last of them is in its last place.
    const std::vector<Colorref> likely = range(10, 254);
    const Colorref lastLikely = likely.back();
    GifPalettes palettes(likely);
    struct Step {
        std::vector<Colorref> colours;
        bool usedFirst;
    };
    const Step steps[] = {
        {{a, b}, true},
        {{a, lastLikely}, true},   // a likely colour, in the first table
        {{a, x}, false},           // x takes the last place, lastLikely's
        {{a, lastLikely}, false},  // lastLikely's index meant x just before
        {{a, lastLikely}, true},   // the frame before had it in its place again
        {{b}, true},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        const Surface frame = frameOf(steps[i].colours, 4);
        const Indexed now = indexed(palettes, frame);
        EXPECT_EQ(now.usedFirst, steps[i].usedFirst);
        for (std::size_t p = 0; p < 16; ++p) EXPECT_EQ(shown(now, p), steps[i].colours[p % steps[i].colours.size()]);
        // Only the first table is written as the file's own; the others must never equal it.
        EXPECT_EQ(now.table[0] >> 24, now.usedFirst ? 0xFFu : 0xFEu);
    }
}

TEST(GifPalettes, BeyondTheMostFrequent256ColoursTheNearestIsShown)
{
    // 256 reds three times each, then 44 colours once each, one step of green from a red.
    std::vector<Colorref> pixels;
    for (int i = 0; i < 256; ++i) pixels.insert(pixels.end(), 3, rgb(i, 0, 0));
    for (int i = 0; i < 44; ++i) pixels.push_back(rgb(i * 5, 1, 0));
    ASSERT_EQ(pixels.size(), 29u * 28u);
    Surface frame(29, 28);
    for (std::size_t i = 0; i < pixels.size(); ++i) frame.setPixel(int(i % 29), int(i / 29), pixels[i]);
    for (const bool first : {true, false}) {
        SCOPED_TRACE(first);
        GifPalettes palettes;
        if (!first) (void)indexed(palettes, frameOf({rgb(0, 0, 255)}));
        const Indexed now = indexed(palettes, frame);
        for (std::size_t p = 0; p < pixels.size(); ++p) EXPECT_EQ(shown(now, p), pixels[p] & 0x0000FF) << p;
    }
}

}  // namespace
}  // namespace trochograph
