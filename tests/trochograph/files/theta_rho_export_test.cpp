// Theta-rho tracks read back as x and y: the table's spirals between the lines follow the
// curve within the tolerance, the track starts and ends at the centre or the edge as asked,
// theta never turns half a turn between two lines, rho stays on the table, and a curve
// beyond the edge is refused unless scaled in.
#include "files/theta_rho_export.h"

#include <gtest/gtest.h>

#include <numbers>

#include "files/parameter_text.h"
#include "machine_curve.h"
#include "machine_reader.h"

namespace trochograph::test {
namespace {

struct TrackTest : MachineCurveTest {
    void draw(double scale) { drawRose(301, scale); }
    Result<std::vector<TrackLine>> track(const PlotSettings& settings, std::string* text = nullptr)
    {
        MemorySink sink;
        if (Result<void> written = encodeThetaRho(engine.record(), sink, parameterText(s.params), settings); !written)
            return written.error();
        const std::string read(sink.data.begin(), sink.data.end());
        if (text) *text = read;
        return readTrack(read);
    }
    // The curve in table radii, scaled by `scale`.
    std::vector<PlanePoint> curve(double scale = 1)
    {
        const double centre = (engine.record().res() >> 1) + 0.5, radius = engine.record().res() / 2.0;
        MappedCurve mapped([=](double x, double y) {
            return PlanePoint{(x - centre) / radius * scale, (centre - y) / radius * scale};
        });
        engine.record().replay(mapped);
        return mapped.points;
    }
};

PlanePoint xyOf(double theta, double rho) { return {rho * std::sin(theta), rho * std::cos(theta)}; }

double distanceToCurve(PlanePoint p, const std::vector<PlanePoint>& curve)
{
    double nearest = 1e9;
    for (std::size_t i = 1; i < curve.size(); ++i) nearest = std::min(nearest, distanceToSegment(p, curve[i - 1], curve[i]));
    return nearest;
}

// The track's lines, its spirals sampled between them, and its joins.
void checkTrack(const std::vector<TrackLine>& lines, const std::vector<PlanePoint>& curve, const PlotSettings& settings)
{
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines.front().rho, settings.trackFrom == TrackEnd::centre ? 0 : 1);
    EXPECT_EQ(lines.back().rho, settings.trackTo == TrackEnd::centre ? 0 : 1);
    const double tolerance = settings.tolerance / (settings.size / 2) + 2e-6;  // and the rounding
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const TrackLine a = lines[i - 1], b = lines[i];
        ASSERT_LE(std::abs(b.theta - a.theta), std::numbers::pi + 1e-9) << "line " << i;
        ASSERT_TRUE(b.rho >= 0 && b.rho <= 1) << "line " << i;
        // The joins run along a radius to the curve's first and from its last point.
        if (i == 1 || i + 1 == lines.size()) {
            EXPECT_NEAR(a.theta, b.theta, 1e-9);
            continue;
        }
        for (int k = 0; k <= 8; ++k) {
            const double t = k / 8.0;
            const PlanePoint p = xyOf(a.theta + t * (b.theta - a.theta), a.rho + t * (b.rho - a.rho));
            ASSERT_LE(distanceToCurve(p, curve), tolerance) << "line " << i << " at " << t;
        }
    }
    const PlanePoint first = xyOf(lines[1].theta, lines[1].rho), last = xyOf(lines[lines.size() - 2].theta, lines[lines.size() - 2].rho);
    EXPECT_NEAR(first.x, curve.front().x, 1e-5);
    EXPECT_NEAR(first.y, curve.front().y, 1e-5);
    EXPECT_NEAR(last.x, curve.back().x, 1e-5);
    EXPECT_NEAR(last.y, curve.back().y, 1e-5);
}

TEST_F(TrackTest, SpiralsFollowTheCurveFromEndToEnd)
{
    draw(1);
    PlotSettings fine;
    PlotSettings coarse;
    coarse.tolerance = 1;
    coarse.size = 500;
    coarse.trackFrom = TrackEnd::edge;
    PlotSettings outward;
    outward.trackTo = TrackEnd::edge;
    const std::vector<PlanePoint> points = curve();
    for (const PlotSettings& settings : {fine, coarse, outward}) {
        SCOPED_TRACE(std::to_string(settings.tolerance) + " mm");
        const auto lines = track(settings);
        ASSERT_TRUE(lines) << lines.message();
        checkTrack(*lines, points, settings);
    }
}

TEST_F(TrackTest, CurveBeyondTheEdgeIsRefusedUnlessFitted)
{
    draw(1.5);
    PlotSettings settings;
    const auto refused = track(settings);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.code(), ErrorCode::badValue);
    EXPECT_TRUE(refused.message().starts_with("the curve reaches 1.")) << refused.message();
    EXPECT_NE(refused.message().find(" times the table's radius"), std::string::npos) << refused.message();

    settings.fit = true;
    std::string text;
    const auto fitted = track(settings, &text);
    ASSERT_TRUE(fitted) << fitted.message();
    double reach = 0;
    for (const TrackLine& l : *fitted) reach = std::max(reach, l.rho);
    EXPECT_NEAR(reach, 1, 1e-5);
    double curveReach = 0;
    for (const PlanePoint& p : curve()) curveReach = std::max(curveReach, std::hypot(p.x, p.y));
    checkTrack(*fitted, curve(1 / curveReach), settings);
    EXPECT_NE(text.find("# Curve parameters:\n# type="), std::string::npos);
}

}  // namespace
}  // namespace trochograph::test
