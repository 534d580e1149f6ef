// G-code read back against the record it was made from: the pen draws the curve within the
// tolerance, only between a pen-down and a pen-up line, never outside the plot square, at
// the feeds asked for, and pauses for each new colour's pen with the pen lifted.
#include "files/gcode_export.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "files/parameter_text.h"
#include "files/plot_path.h"
#include "machine_curve.h"
#include "machine_reader.h"

namespace trochograph::test {
namespace {

struct PlotTest : MachineCurveTest {
    void draw(double scale, bool multicolor)
    {
        s.params.multicolor = multicolor;
        drawRose(301, scale);
    }
    ReadPlot plot(const PlotSettings& settings, std::string* text = nullptr)
    {
        MemorySink sink;
        EXPECT_TRUE(encodeGcode(engine.record(), sink, parameterText(s.params), settings));
        const std::string written(sink.data.begin(), sink.data.end());
        if (text) *text = written;
        return readGcode(written, settings.penUp, settings.penDown);
    }
    std::vector<PlanePoint> curve(const PlotSettings& settings)
    {
        MappedCurve mapped(PlotMapping(engine.record().res(), settings));
        engine.record().replay(mapped);
        return mapped.points;
    }
};

bool inside(PlanePoint p, const PlotMapping& map)
{
    return p.x >= map.low && p.x <= map.high && p.y >= map.low && p.y <= map.high;
}

TEST_F(PlotTest, PenFollowsTheCurveWithinTheTolerance)
{
    draw(1, false);
    PlotSettings servo;
    servo.penUp = "M5";
    servo.penDown = "M3 S90";
    servo.feed = 1200;
    servo.travelFeed = 4000;
    PlotSettings coarse;
    coarse.size = 120;
    coarse.origin = PlotOrigin::centre;
    coarse.tolerance = 0.5;
    for (const PlotSettings& settings : {PlotSettings{}, servo, coarse}) {
        SCOPED_TRACE(settings.penDown + " " + std::to_string(settings.tolerance));
        const ReadPlot read = plot(settings);
        const std::vector<PlanePoint> points = curve(settings);
        const PlotMapping map(engine.record().res(), settings);
        constexpr double rounding = 0.001;
        const auto near = [&](PlanePoint a, PlanePoint b) { return std::hypot(a.x - b.x, a.y - b.y) <= rounding; };

        // Each drawn move runs from one of the curve's points to a later one, passing within
        // the tolerance of every point between.
        std::size_t at = 0, penDowns = 0, drawn = 0;
        bool down = false;
        for (const PlotMove& m : read.moves) {
            EXPECT_TRUE(inside(m.to, map));
            EXPECT_EQ(m.feed, m.down ? settings.feed : settings.travelFeed);
            penDowns += m.down && !down;
            down = m.down;
            if (!m.down) continue;
            ++drawn;
            while (at < points.size() && !near(points[at], m.from)) ++at;
            ASSERT_LT(at, points.size()) << "a move from a point off the curve";
            for (; at < points.size() && !near(points[at], m.to); ++at)
                ASSERT_LE(distanceToSegment(points[at], m.from, m.to), settings.tolerance + rounding);
            ASSERT_LT(at, points.size()) << "a move to a point off the curve";
        }
        EXPECT_EQ(penDowns, 1u);
        EXPECT_EQ(at, points.size() - 1) << "the pen stops where the curve ends";
        EXPECT_LT(drawn, points.size() * (settings.tolerance < 0.1 ? 0.9 : 0.5)) << "points close together are merged";
        EXPECT_FALSE(read.downAtEnd) << "the pen is lifted at the end";
    }
}

TEST_F(PlotTest, CurveLeavingTheSquareIsCutAtItsEdges)
{
    draw(1.6, false);
    for (const PlotOrigin origin : {PlotOrigin::corner, PlotOrigin::centre}) {
        PlotSettings settings;
        settings.origin = origin;
        const ReadPlot read = plot(settings);
        const PlotMapping map(engine.record().res(), settings);
        const std::vector<PlanePoint> points = curve(settings);
        int penDowns = 0;
        bool down = false;
        for (const PlotMove& m : read.moves) {
            ASSERT_TRUE(inside(m.to, map)) << m.to.x << " " << m.to.y;
            penDowns += m.down && !down;
            down = m.down;
            if (!m.down) continue;
            // Where it was cut, the pen's point lies on the curve's segment.
            double nearest = 1e9;
            for (std::size_t i = 1; i < points.size(); ++i)
                nearest = std::min(nearest, distanceToSegment(m.to, points[i - 1], points[i]));
            ASSERT_LE(nearest, settings.tolerance + 0.001);
        }
        EXPECT_GT(penDowns, 4) << "the pen lifts where the curve leaves the square";
    }
}

TEST_F(PlotTest, PenChangesPauseWithThePenUpAtEachNewColour)
{
    draw(1, true);
    struct Colours final : DrawingSink {
        void segment(const Segment& s) override
        {
            changes += any && s.color != last;
            any = true;
            last = s.color;
        }
        void figure(const EllipseOutline&) override {}
        void figure(const StraightLine&) override {}
        void figure(const PenDot&) override {}
        bool any = false;
        Colorref last = 0;
        int changes = 0;
    } colours;
    engine.record().replay(colours);
    ASSERT_GT(colours.changes, 10);

    PlotSettings settings;
    EXPECT_EQ(plot(settings).pauses, 0) << "one pen by default";
    settings.penChange = true;
    const ReadPlot read = plot(settings);
    EXPECT_EQ(read.pauses, colours.changes);
    EXPECT_FALSE(read.pausedWithPenDown);
}

TEST_F(PlotTest, HeaderHoldsTheBoundsAndTheParameters)
{
    draw(1, false);
    std::string text;
    const ReadPlot read = plot({}, &text);
    PlanePoint low{1e9, 1e9}, high{-1e9, -1e9};
    for (const PlotMove& m : read.moves) {
        low = {std::min(low.x, m.to.x), std::min(low.y, m.to.y)};
        high = {std::max(high.x, m.to.x), std::max(high.y, m.to.y)};
    }
    char bounds[100];
    std::snprintf(bounds, sizeof bounds, "Drawn within X %.3f to %.3f, Y %.3f to %.3f", low.x, high.x, low.y, high.y);
    EXPECT_NE(std::find(read.comments.begin(), read.comments.end(), bounds), read.comments.end()) << text.substr(0, 300);
    const std::string parameters = parameterText(s.params);
    const std::string firstLine = parameters.substr(0, parameters.find('\n'));
    EXPECT_NE(std::find(read.comments.begin(), read.comments.end(), firstLine), read.comments.end());
    EXPECT_TRUE(text.starts_with(";"));
    // Controllers count a line's bytes against a buffer of 80 at least, comments included.
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 80u) << text.substr(start, 100);
}

}  // namespace
}  // namespace trochograph::test
