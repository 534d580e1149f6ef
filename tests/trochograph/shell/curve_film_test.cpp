// Films of a curve being drawn: a GIF's frames are exactly the window's picture after the
// steps each frame covers, the circles included when they are animated, and the film lasts
// the drawing plus the held second; refusals leave no file.
#include "shell/curve_film.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

#include "scratch_dir.h"
#include "trochograph/engine/engine_probe.h"
#include "trochograph/files/film_reader.h"

namespace trochograph::test {
namespace {

TEST(CurveFilm, GifFramesAreTheWindowAfterEachFramesSteps)
{
    for (const bool animate : {false, true}) {
        SCOPED_TRACE(animate ? "with circles" : "without circles");
        CurveState start;
        start.params.res = 100;
        start.params.type = hypotrochoid;
        start.flags.animate = animate ? 1 : 0;
        ScratchDir dir;
        const FilmOptions options{10, 2};
        ASSERT_TRUE(filmCurve(start, dir / "curve.gif", options));
        const ReadFilm film = readFilm(dir / "curve.gif");
        ASSERT_EQ(film.error, "");
        EXPECT_NEAR(film.seconds, 3.0, 0.05);  // two seconds of drawing, one held

        // The window as it is after each frame's share of the steps.
        Surface window(100, 100, canvasGrey);
        Engine engine(window);
        stateOf(engine) = start;
        engine.rebuildCanvas(100);
        stateOf(engine).startWholeCurve();
        const long long steps = curveSteps(start);
        const int frames = 20;
        ASSERT_GE(film.frames.size(), std::size_t{frames});
        long long drawn = 0;
        for (int frame = 1; frame <= frames; ++frame) {
            const long long due = frame == frames ? std::numeric_limits<long long>::max() : steps * frame / frames;
            if (due > drawn) engine.drawSteps(due - drawn);
            drawn = due;
            engine.showFrame();
            EXPECT_TRUE(film.frames[static_cast<std::size_t>(frame - 1)] == window) << "frame " << frame;
        }
        EXPECT_TRUE(film.frames.back() == window);
    }
}

// The finished picture of `start`, as the window shows it at the end of its film.
Surface finishedCanvas(const CurveState& start)
{
    Surface window(start.params.res, start.params.res, canvasGrey);
    Engine engine(window);
    stateOf(engine) = start;
    engine.rebuildCanvas(start.params.res);
    engine.drawWholeCurve();
    return Surface(engine.canvas());
}

// The n x n blocks' means: what an area filter makes of a whole factor.
Surface shrunk(const Surface& s, int n)
{
    Surface out(s.width() / n, s.height() / n);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    const Colorref c = s.pixel(x * n + i, y * n + j);
                    r += redOf(c), g += greenOf(c), b += blueOf(c);
                }
            const int area = n * n;
            out.setPixel(x, y, rgb((r + area / 2) / area, (g + area / 2) / area, (b + area / 2) / area));
        }
    return out;
}

Surface cropped(const Surface& s, int side)
{
    Surface out(side, side);
    out.blit({0, 0}, s, {0, 0, side, side});
    return out;
}

// An odd canvas is filmed padded with its background, a larger one scaled down; either
// film ends on the canvas. H.264 at CRF 20 keeps the luma of one-pixel lines above 30 dB;
// the colours, halved across and down, above 20 dB.
TEST(CurveFilm, OddAndScaledFilmsEndOnTheCanvas)
{
    const struct {
        int canvas, asked, frame, factor;
    } cases[] = {{101, 0, 102, 1}, {400, 200, 200, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.canvas);
        CurveState start;
        start.params.res = c.canvas;
        start.params.back = rgb(0, 0, 160);
        start.params.fore = rgb(255, 255, 0);
        ScratchDir dir;
        ASSERT_TRUE(filmCurve(start, dir / "curve.mp4", {5, 1, c.asked}));
        const ReadFilm film = readFilm(dir / "curve.mp4");
        ASSERT_EQ(film.error, "");
        ASSERT_FALSE(film.frames.empty());
        const Surface& last = film.frames.back();
        ASSERT_EQ(last.width(), c.frame);
        const Surface expected = shrunk(finishedCanvas(start), c.factor);
        EXPECT_GT(psnr(cropped(last, expected.width()), expected), 20.0);
        EXPECT_GT(psnr(cropped(last, expected.width()), expected, true), 30.0);
        if (c.frame > expected.width()) {
            Surface pad(1, c.frame);
            pad.blit({0, 0}, last, {c.frame - 1, 0, c.frame, c.frame});
            EXPECT_GT(psnr(pad, Surface(1, c.frame, start.params.back)), 30.0);
        }
    }
}

// A GIF of a larger canvas shows the canvas's own colours, no blends, and the curve whole.
TEST(CurveFilm, AScaledGifKeepsTheCanvasColours)
{
    CurveState start;
    start.params.res = 400;
    ScratchDir dir;
    ASSERT_TRUE(filmCurve(start, dir / "curve.gif", {5, 1, 200}));
    const ReadFilm film = readFilm(dir / "curve.gif");
    ASSERT_EQ(film.error, "");
    ASSERT_FALSE(film.frames.empty());
    const Surface& last = film.frames.back();
    const Surface canvas = finishedCanvas(start);
    std::set<Colorref> canvasColours, shown;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) canvasColours.insert(canvas.pixel(x, y));
    for (int y = 0; y < last.height(); ++y)
        for (int x = 0; x < last.width(); ++x) shown.insert(last.pixel(x, y));
    EXPECT_TRUE(std::includes(canvasColours.begin(), canvasColours.end(), shown.begin(), shown.end()));
    EXPECT_GT(psnr(last, shrunk(canvas, 2), true), 20.0);
}

// Counting a long curve's steps is the start of the progress, and a stop asked for there
// ends the film before any frame, leaving no file.
TEST(CurveFilm, CancelWhileCountingLeavesNoFile)
{
    CurveState start;
    start.params.res = 100;
    start.params.increment = 1e-4;
    ScratchDir dir;
    std::vector<double> told;
    const Result<void> filmed = filmCurve(start, dir / "curve.webm", {}, [&](double done) {
        told.push_back(done);
        return told.size() < 3;
    });
    ASSERT_FALSE(filmed);
    EXPECT_EQ(filmed.code(), ErrorCode::cancelled);
    ASSERT_EQ(told.size(), 3u);
    EXPECT_GT(told.back(), 0.0);
    EXPECT_LT(told.back(), 0.1);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(CurveFilm, RefusalsLeaveNoFile)
{
    const struct {
        const char* name;
        int side;
        double seconds;
        const char* said;
    } cases[] = {
        {"curve.avi", 100, 10, "a film must end in .mp4, .webm or .gif"},
        {"curve.gif", 100, 0.5, "a film's drawing lasts 1 to 600 seconds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        CurveState start;
        start.params.res = c.side;
        const Result<void> filmed = filmCurve(start, dir / c.name, {30, c.seconds});
        ASSERT_FALSE(filmed);
        EXPECT_NE(filmed.message().find(c.said), std::string::npos) << filmed.message();
        EXPECT_TRUE(dir.entries().empty());
    }
}

}  // namespace
}  // namespace trochograph::test
