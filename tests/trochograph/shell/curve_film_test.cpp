// Films of a curve being drawn: a GIF's frames are exactly the window's picture after the
// steps each frame covers, the circles included when they are animated, and the film lasts
// the drawing plus the held second; refusals leave no file.
#include "shell/curve_film.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST(CurveFilm, RefusalsLeaveNoFile)
{
    const struct {
        const char* name;
        int side;
        double seconds;
        const char* said;
    } cases[] = {
        {"curve.avi", 100, 10, "a film must end in .mp4, .webm or .gif"},
        {"curve.mp4", 101, 10, "MP4 and WebM need an even side"},
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
