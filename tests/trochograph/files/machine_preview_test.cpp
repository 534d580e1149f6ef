// The picture of a machine's path: strokes where the pen draws, thin travel from the
// machine's (0, 0) and between strokes, a track's joins to the edge, and a track beyond the
// table refused as the track itself is.
#include "files/machine_preview.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "files/plot_path.h"
#include "machine_curve.h"

namespace trochograph::test {
namespace {

struct PreviewTest : MachineCurveTest {
    void draw(double scale) { drawRose(201, scale); }
    int count(const Surface& picture, Colorref c)
    {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) n += picture.pixel(x, y) == c;
        return n;
    }
};

TEST_F(PreviewTest, PlotShowsStrokesAndTravel)
{
    draw(1.6);
    Surface picture(201, 201);
    ASSERT_TRUE(drawMachinePreview(engine.record(), {}, PictureKind::gcode, picture));
    // The machine starts at the square's lower-left corner.
    EXPECT_EQ(picture.pixel(0, 200), previewTravel);
    EXPECT_GT(count(picture, previewStroke), 1000);
    // Cut at the square's edges, the pen travels along them between strokes.
    EXPECT_GT(count(picture, previewTravel), 300);
    EXPECT_EQ(count(picture, previewStroke) + count(picture, previewTravel) + count(picture, previewPaper),
              201 * 201);
}

TEST_F(PreviewTest, TrackShowsItsJoinsAndIsRefusedBeyondTheTable)
{
    draw(1);
    PlotSettings settings;
    settings.trackFrom = TrackEnd::edge;
    Surface picture(201, 201);
    ASSERT_TRUE(drawMachinePreview(engine.record(), settings, PictureKind::thetaRho, picture));
    // The rose starts at angle 0, to the right of the centre: the join comes in from the edge.
    EXPECT_EQ(picture.pixel(199, 100), previewTravel);
    EXPECT_GT(count(picture, previewStroke), 1000);
    EXPECT_EQ(picture.pixel(100, 0), previewTable);

    draw(1.6);
    const Result<void> refused = drawMachinePreview(engine.record(), {}, PictureKind::thetaRho, picture);
    EXPECT_EQ(refused.code(), ErrorCode::badValue);
}

}  // namespace
}  // namespace trochograph::test
