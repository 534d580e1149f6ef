// A film of a show preset ends on the picture the preset's still shows.
#include "shell/show_film.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace trochograph::test
