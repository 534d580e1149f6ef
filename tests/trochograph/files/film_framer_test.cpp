// A film's size for every canvas, and its frames: the canvas scaled down by the mean of the
// pixels each frame pixel covers, an odd side padded with the background, and a frame made
// after some drawing the same as one made afresh; a GIF's frames keep the canvas's colours.
#include "files/film_framer.h"

#include <gtest/gtest.h>

namespace trochograph::test {
namespace {

constexpr Colorref red = rgb(255, 0, 0), blue = rgb(0, 0, 255), back = rgb(10, 20, 30);

TEST(FilmSize, EveryCanvasHasAFilm)
{
    const struct {
        VideoKind kind;
        int canvas, asked;
        FilmSize size;
    } cases[] = {
        {VideoKind::mp4, 601, 0, {601, 602}},  // padded: even sides only
        {VideoKind::webm, 601, 0, {601, 601}},  // 4:4:4: any side
        {VideoKind::gif, 601, 0, {601, 601}},  // any side
        {VideoKind::mp4, 2160, 0, {2160, 2160}},
        {VideoKind::mp4, 2161, 0, {2160, 2160}},  // scaled down
        {VideoKind::gif, 9600, 0, {2160, 2160}},
        {VideoKind::mp4, 9600, 1001, {1001, 1002}},  // a smaller film asked for
        {VideoKind::mp4, 600, 900, {600, 600}},       // never larger than the canvas
        {VideoKind::gif, 600, 1, {minFilmSide, minFilmSide}},
    };
    for (const auto& c : cases) {
        const FilmSize size = filmSizeOf(c.kind, c.canvas, c.asked);
        EXPECT_EQ(size.picture, c.size.picture) << c.canvas << " asked " << c.asked;
        EXPECT_EQ(size.frame, c.size.frame) << c.canvas << " asked " << c.asked;
    }
}

// A 9 x 9 canvas, red left of a diagonal and blue right of it.
Surface diagonal()
{
    Surface s(9, 9, blue);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x <= y; ++x) s.setPixel(x, y, red);
    return s;
}

TEST(FilmFramer, ScalesByTheMeanOfTheCoveredPixels)
{
    Surface canvas = diagonal();
    FilmFramer framer(canvas, {3, 3}, back);
    const Surface frame(framer.frame());
    ASSERT_EQ(frame.width(), 3);
    // Each frame pixel is a 3 x 3 block: 6 of 9 red on the diagonal, all red below it.
    const Colorref onDiagonal = rgb(170, 0, 85), below = red, above = blue;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(frame.pixel(x, y), x == y ? onDiagonal : x < y ? below : above) << x << "," << y;

    // Drawing after a frame changes the next as a fresh framer would make it.
    canvas.line({0, 8}, {8, 0}, 1, rgb(0, 255, 0));
    canvas.setPixel(8, 8, rgb(0, 255, 0));
    const Surface changed(framer.frame());
    Surface copy(canvas);
    FilmFramer fresh(copy, {3, 3}, back);
    EXPECT_TRUE(changed == fresh.frame());
    EXPECT_FALSE(changed == frame);
}

// For a GIF a frame pixel takes the drawn colour that covers most of it, so that no blend
// overflows its 256 colours: a line of one canvas pixel stays whole, a lone pixel is dropped.
TEST(FilmFramer, KeepsTheCanvasColoursForAPalettedFilm)
{
    Surface canvas(9, 9, back);
    canvas.fillRect({0, 0, 9, 1}, red);  // a line along the top row
    canvas.setPixel(4, 7, blue);         // alone in the bottom row's middle block
    canvas.fillRect({6, 6, 8, 8}, blue);  // four pixels of the bottom-right block,
    canvas.setPixel(8, 8, red);           // and one of another colour
    FilmFramer framer(canvas, {3, 3}, back, true);
    const Surface& frame = framer.frame();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            const Colorref expected = y == 0 ? red : x == 2 && y == 2 ? blue : back;
            EXPECT_EQ(frame.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(FilmFramer, PadsAnOddSideWithTheBackground)
{
    Surface canvas(5, 5, red);
    FilmFramer framer(canvas, {5, 6}, back);
    canvas.setPixel(4, 4, blue);
    const Surface& frame = framer.frame();
    ASSERT_EQ(frame.width(), 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const Colorref expected = x == 5 || y == 5 ? back : canvas.pixel(x, y);
            EXPECT_EQ(frame.pixel(x, y), expected) << x << "," << y;
        }
    canvas.setPixel(0, 0, blue);
    EXPECT_EQ(framer.frame().pixel(0, 0), blue);
}

}  // namespace
}  // namespace trochograph::test
