#include <gtest/gtest.h>

#include <vector>

#include "engine/drawing_record.h"
#include "engine_steps.h"
#include "trochograph/files/svg_segments.h"

namespace trochograph::test {
namespace {

TEST(DrawingRecord, ClearingForgetsAndKeepsTheBackground)
{
    Surface window(300, 300, canvasGrey);
    Engine engine(window);
    CurveState& s = stateOf(engine);
    s.params.speed = 0;
    s.params.back = rgb(0, 0, 90);
    renderWholeCurve(engine);
    EXPECT_EQ(engine.record().background(), rgb(0, 0, 90));
    EXPECT_EQ(engine.record().runs().size(), 1u);
    // The same curve drawn over itself again and again changes no pixel: once it starts
    // from where it ended, it adds no run.
    for (int i = 0; i < 3; ++i) renderWholeCurve(engine);
    EXPECT_EQ(engine.record().runs().size(), 2u);
    s.params.width = 1;
    for (int i = 0; i < 3; ++i) renderWholeCurve(engine);
    EXPECT_EQ(engine.record().runs().size(), 3u);

    engine.clearScreen();
    EXPECT_TRUE(engine.record().runs().empty());
    EXPECT_EQ(engine.record().background(), canvasGrey);
    engine.rebuildCanvas(150);
    EXPECT_EQ(engine.record().res(), 150);
    SegmentList none;
    engine.record().replay(none);
    EXPECT_TRUE(none.segments.empty());
}

// With the circles animated, each curve adds its fixed circle before its run (a rose
// starts on it) and a trochoid the last frame's figures after it; the same curve again adds
// nothing, and the replay still gives the canvas.
TEST(DrawingRecord, KeepsTheCirclesInDrawingOrder)
{
    const struct {
        int type;
        std::size_t figures;
    } cases[] = {{epitrochoid, 6}, {rhodoneaRational, 1}};  // with its moving circle, spokes, arm, dot
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Surface window(300, 300, canvasGrey);
        Engine engine(window);
        CurveState& s = stateOf(engine);
        s.params.speed = 0;
        s.params.type = c.type;
        s.flags.animate = 1;
        engine.rebuildCanvas(151);
        renderWholeCurve(engine);
        SegmentList first;
        engine.record().replay(first);
        ASSERT_EQ(first.figures.size(), c.figures);
        EXPECT_EQ(first.segmentsBefore.front(), 0u);
        EXPECT_EQ(first.segmentsBefore.back(), c.figures == 1 ? 0u : first.segments.size());
        for (int i = 0; i < 3; ++i) renderWholeCurve(engine);
        const std::size_t figures = engine.record().figures().size(), runs = engine.record().runs().size();
        EXPECT_LE(figures, 2 * c.figures);
        renderWholeCurve(engine);
        EXPECT_EQ(engine.record().figures().size(), figures);
        EXPECT_EQ(engine.record().runs().size(), runs);

        Surface replayed(151, 151, engine.record().background());
        CanvasSink canvas(replayed);
        engine.record().replay(canvas);
        EXPECT_TRUE(replayed == engine.canvas());
    }
}

// The exact points lie in the pixel the raster draws, or next to it toward the centre.
TEST(DrawingRecord, ExactPointsAgreeWithThePixels)
{
    Surface window(300, 300, canvasGrey);
    Engine engine(window);
    stateOf(engine).params.speed = 0;
    engine.rebuildCanvas(300);
    renderWholeCurve(engine);
    SegmentList list;
    engine.record().replay(list);
    ASSERT_GT(list.segments.size(), 100u);
    const int halfres = stateOf(engine).params.halfres();
    for (const Segment& s : list.segments) {
        EXPECT_EQ(static_cast<int>(s.x1 - 0.5 - halfres) + halfres, s.to.x);
        EXPECT_EQ(static_cast<int>(s.y1 - 0.5 - halfres) + halfres, s.to.y);
    }
}

}  // namespace
}  // namespace trochograph::test
