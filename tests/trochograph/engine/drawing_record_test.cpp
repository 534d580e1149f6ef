#include <gtest/gtest.h>

#include <vector>

#include "drawing_record.h"
#include "fake_platform.h"

namespace trochograph::test {
namespace {

struct CurveSetup {
    const char* name;
    int type;
    int ellipse;
    int method;
};

// Collects the segments a replay hands over.
struct SegmentList final : SegmentSink {
    void segment(const Segment& s) override { segments.push_back(s); }
    std::vector<Segment> segments;
};

Surface replayed(const DrawingRecord& record)
{
    Surface canvas(record.res(), record.res(), record.background());
    CanvasSink sink(canvas);
    record.replay(sink);
    return canvas;
}

void expectSamePixels(const Surface& a, const Surface& b, const char* name)
{
    ASSERT_EQ(a.width(), b.width()) << name;
    int differing = 0;
    for (std::size_t i = 0; i < a.pixels().size(); ++i) differing += a.pixels()[i] != b.pixels()[i];
    EXPECT_EQ(differing, 0) << name;
}

// Each type and ellipse method: a curve drawn part way, paused, changed and resumed (pen,
// colour, palette, angle), finished, then a second curve superimposed on it. Replaying the
// record on a blank canvas gives the canvas pixel for pixel.
TEST(DrawingRecord, ReplayGivesTheCanvasPixelForPixel)
{
    const CurveSetup setups[] = {
        {"epitrochoid", epitrochoid, 0, 0},          {"hypotrochoid", hypotrochoid, 0, 0},
        {"rational rose", rhodoneaRational, 0, 0},   {"irrational rose", rhodoneaIrrational, 0, 0},
        {"actual ellipse", epitrochoid, 1, actualEllipse},
        {"circle varying r", hypotrochoid, 1, circleVaryingR},
        {"ellipse varying d", epitrochoid, 1, 2},
    };
    for (const CurveSetup& setup : setups) {
        FakePlatform platform(400, 400);
        Engine engine(platform);
        CurveState& s = engine.state;
        engine.rebuildCanvas(201);
        s.speed = 0;
        s.type = setup.type;
        s.ellipse = setup.ellipse;
        s.method = setup.method;
        s.increment = 0.05;
        s.kn[3] = 2;
        s.okintro = 0;
        s.okroulette = 1;
        for (int i = 0; i < 60; ++i) engine.roulette();
        // Paused: the pen, the colours and the palette change, and resuming goes on.
        s.width = 5;
        s.multicolor = 0;
        s.fore = rgb(10, 200, 30);
        for (int i = 0; i < 40; ++i) engine.roulette();
        s.multicolor = 1;
        s.restoreDefaultPalette();
        s.crpalette[1] = s.crpalette[2] = rgb(1, 2, 3);
        s.theta += 0.3;
        renderWholeCurve(engine);
        // A second curve over the first.
        s.Rpct[setup.type] = 30;
        s.rottheta = 0.4;
        s.width = 1;
        renderWholeCurve(engine);

        ASSERT_GE(engine.record.runs().size(), 4u) << setup.name;
        expectSamePixels(replayed(engine.record), engine.canvas, setup.name);
    }
}

TEST(DrawingRecord, ClearingForgetsAndKeepsTheBackground)
{
    FakePlatform platform(300, 300);
    Engine engine(platform);
    CurveState& s = engine.state;
    s.speed = 0;
    s.back = rgb(0, 0, 90);
    renderWholeCurve(engine);
    EXPECT_EQ(engine.record.background(), rgb(0, 0, 90));
    EXPECT_EQ(engine.record.runs().size(), 1u);

    engine.clearCanvas();
    EXPECT_TRUE(engine.record.runs().empty());
    EXPECT_EQ(engine.record.background(), canvasGrey);
    engine.rebuildCanvas(150);
    EXPECT_EQ(engine.record.res(), 150);
    SegmentList none;
    engine.record.replay(none);
    EXPECT_TRUE(none.segments.empty());
}

// The exact points lie in the pixel the raster draws, or next to it toward the centre.
TEST(DrawingRecord, ExactPointsAgreeWithThePixels)
{
    FakePlatform platform(300, 300);
    Engine engine(platform);
    engine.state.speed = 0;
    engine.rebuildCanvas(300);
    renderWholeCurve(engine);
    SegmentList list;
    engine.record.replay(list);
    ASSERT_GT(list.segments.size(), 100u);
    const int halfres = engine.state.halfres;
    for (const Segment& s : list.segments) {
        EXPECT_EQ(static_cast<int>(s.x1 - 0.5 - halfres) + halfres, s.to.x);
        EXPECT_EQ(static_cast<int>(s.y1 - 0.5 - halfres) + halfres, s.to.y);
    }
}

}  // namespace
}  // namespace trochograph::test
