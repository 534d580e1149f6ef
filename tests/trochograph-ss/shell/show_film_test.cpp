// A film of a show preset ends on the picture the preset's still shows, and tells how far
// it has come as it goes.
#include "shell/show_film.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scratch_dir.h"
#include "show/show_preview_render.h"
#include "trochograph/files/film_reader.h"

namespace trochograph::test {
namespace {

TEST(ShowFilm, EndsOnThePresetsPicture)
{
    ScratchDir dir;
    const int preset = 7;
    ASSERT_TRUE(filmPreset(preset, 120, 10, dir / "preset.gif"));
    const ReadFilm film = readFilm(dir / "preset.gif");
    ASSERT_EQ(film.error, "");
    ASSERT_GE(film.frames.size(), 2u);
    EXPECT_TRUE(film.frames.back() == renderPreset(preset, 120));
    // The drawing grows: the first frame holds less of the curve than the last.
    EXPECT_FALSE(film.frames.front() == film.frames.back());
}

// The share done grows in small steps to the whole, for a preset of one curve as for the
// one drawn five times.
TEST(ShowFilm, ProgressMovesWithThePoints)
{
    for (const int preset : {7, 6, turnedPreset}) {
        SCOPED_TRACE(preset);
        ScratchDir dir;
        std::vector<double> told;
        ASSERT_TRUE(filmPreset(preset, 100, 10, dir / "preset.gif", [&](double done) {
            told.push_back(done);
            return true;
        }));
        ASSERT_GE(told.size(), 10u);
        EXPECT_GE(told.back(), 0.99);
        double last = 0, widest = 0;
        for (const double done : told) {
            EXPECT_GE(done, last);
            widest = std::max(widest, done - last);
            last = done;
        }
        EXPECT_LT(widest, 0.1);
    }
}

}  // namespace
}  // namespace trochograph::test
