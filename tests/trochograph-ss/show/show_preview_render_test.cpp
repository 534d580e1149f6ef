// The headless preview: a preset complete as the first round draws it, with its last circles.
#include <gtest/gtest.h>

#include <algorithm>

#include "show/show_circles.h"
#include "show/show_preview_render.h"
#include "show_rig.h"

namespace trochograph::test {
namespace {

bool contains(const Surface& s, Colorref c) { return std::ranges::find(s.pixels(), c) != s.pixels().end(); }

int paletteColoursIn(const Surface& s)
{
    int n = 0;
    for (int i = 1; i < 256; ++i) n += contains(s, plasmacr[i]);
    return n;
}

// The square of a wider show at the first wait after the last point of the preset's first
// round.
Surface squareAtTheEnd(int preset, int res)
{
    ShowRig rig(res + 30, res);
    rig.show.startAt(preset, preset % colorCount);
    for (int drawing = 1; drawing < (preset == turnedPreset ? 5 : 1); ++drawing) runDrawing(rig.show);
    while (rig.show.step(), rig.show.lastWait() == ShowWait::point || rig.show.lastWait() == ShowWait::fixedCircle) {
    }
    Surface square(res, res);
    square.blit({0, 0}, rig.screen, {rig.show.state().hdcRes.left, 0, rig.screen.width(), res});
    return square;
}

TEST(ShowPreviewRender, DrawsThePresetAsTheLastPointOfTheFirstRoundShowsIt)
{
    const int res = 61;
    for (const int preset : {1, 5, 6, 14, 28}) {
        SCOPED_TRACE("preset " + std::to_string(preset));
        const Surface picture = renderPreset(preset, res);
        ASSERT_EQ(picture.width(), res);
        ASSERT_EQ(picture.height(), res);
        EXPECT_TRUE(picture == squareAtTheEnd(preset, res));

        const bool circles = presetTable[preset].type != irrationalRose;
        EXPECT_TRUE(contains(picture, show_colors::fixedCircle));
        EXPECT_EQ(contains(picture, show_colors::armOfCircles), circles);
        EXPECT_EQ(contains(picture, show_colors::penMark), circles);
        // Colour index = preset, 0 for preset 28: solid at odd indices, else the palette.
        const int colour = preset % colorCount;
        if (colour % 2 == 1) {
            EXPECT_TRUE(contains(picture, cr[colour]));
            EXPECT_EQ(paletteColoursIn(picture), 0);
        } else {
            EXPECT_GT(paletteColoursIn(picture), 40) << "a gradient over the curve";
        }
    }
}

}  // namespace
}  // namespace trochograph::test
