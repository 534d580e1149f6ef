#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "common/picture.h"
#include "diagram.h"
#include "help_style.h"
#include "pictures.h"
#include "rolling_ellipse.h"

namespace trochograph::test {
namespace {

using namespace trochograph::pictures;

bool plain(const Surface& s, const Rect& area)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (s.pixel(x, y) != help::ground) return false;
    return true;
}

// Labels sit on plain ground inside the picture, clear of one another; nothing is drawn in
// the picture's outer margin or beside the rules between its panels, so no curve runs off
// the picture or into the next panel.
TEST(PicturesHelp, LabelsAndCurvesKeepToTheirPlaces)
{
    const struct {
        const char* name;
        std::function<Picture()> draw;
        std::vector<int> rules;
    } cases[] = {
        {"help1", drawHelpRollingCircles, {240, 480}},
        {"help2", drawHelpRose, {}},
        {"help3", drawHelpCurveSets, {132, 267}},
        {"help4", drawHelpRollingEllipses, {300, 500}},
        {"help5", drawHelpRounding, {245}},
    };
    for (const auto& c : cases) {
        const Picture p = c.draw();
        const Surface& s = p.surface;
        const int w = s.width(), h = s.height();
        EXPECT_FALSE(p.transparent) << c.name;
        for (std::size_t i = 0; i < p.captions.size(); ++i) {
            const Caption& label = p.captions[i];
            EXPECT_EQ(label.box.intersected(s.bounds()), label.box) << c.name << " " << label.text;
            EXPECT_TRUE(plain(s, label.box)) << c.name << " " << label.text;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_TRUE(label.box.intersected(p.captions[j].box).empty())
                    << c.name << " " << label.text << " on " << p.captions[j].text;
        }
        for (const Rect& edge : {Rect{0, 0, w, 3}, Rect{0, h - 3, w, h}, Rect{0, 0, 3, h}, Rect{w - 3, 0, w, h}})
            EXPECT_TRUE(plain(s, edge)) << c.name;
        for (int x : c.rules) {
            EXPECT_EQ(s.pixel(x, h / 2), help::rule) << c.name << " " << x;
            EXPECT_TRUE(plain(s, {x - 3, 0, x, h}) && plain(s, {x + 1, 0, x + 4, h})) << c.name << " " << x;
        }
    }
}

// The pen point marked on a picture lies on the curve it traces, so the construction and
// the engine's curve agree: every pixel of a marker has a curve pixel within reach.
TEST(PicturesHelp, PenPointsLieOnTheirCurves)
{
    const struct {
        const char* name;
        std::function<Picture()> draw;
        Rect area;
        int markers;
    } cases[] = {
        {"help1", drawHelpRollingCircles, {0, 0, 720, 200}, 3},
        {"help4 on a line", drawHelpRollingEllipses, {0, 0, 300, 230}, 1},
        {"help5", drawHelpRounding, {0, 0, 490, 240}, 2},
    };
    for (const auto& c : cases) {
        const Picture p = c.draw();
        const Surface& s = p.surface;
        int markerPixels = 0;
        for (int y = c.area.top; y < c.area.bottom; ++y)
            for (int x = c.area.left; x < c.area.right; ++x) {
                if (s.pixel(x, y) != help::penPoint) continue;
                ++markerPixels;
                bool nearCurve = false;
                for (int dy = -3; dy <= 3; ++dy)
                    for (int dx = -3; dx <= 3; ++dx) nearCurve = nearCurve || s.pixel(x + dx, y + dy) == help::curve;
                EXPECT_TRUE(nearCurve) << c.name << " at " << x << ", " << y;
            }
        // A marker is the 13-pixel dot; a wrong colour would make this test pass vacuously.
        EXPECT_EQ(markerPixels, 13 * c.markers) << c.name;
    }
}

// y grows upwards from the origin; a label moves off a line to the first clear spot in its
// direction, and stays put, where it was asked for, when there is none within reach.
TEST(PicturesDiagram, PutsYUpwardsAndMovesLabelsClearOfLines)
{
    Picture p{Surface(30, 40, help::ground), {}, {}};
    Diagram g(p, {10, 30});
    g.dot({-5, 5}, blue);
    EXPECT_EQ(p.surface.pixel(5, 25), blue);
    EXPECT_EQ(p.surface.pixel(5, 35), help::ground);
    g.line({-10, 0}, {19, 0}, red);
    EXPECT_EQ(p.surface.pixel(0, 30), red);
    EXPECT_EQ(p.surface.pixel(29, 30), red);

    g.label("r", {5, 0}, red, {0, 1});
    g.label("r", {5, 0}, red, {0, 1});
    ASSERT_EQ(p.captions.size(), 2u);
    EXPECT_EQ(p.captions[0].box, (Rect{9, 12, 21, 30}));
    EXPECT_EQ(p.captions[1].box, (Rect{9, 21, 21, 39}));
    EXPECT_TRUE(p.captions[0].italic);
}

// Ramanujan's second approximation, exact to far better than a millionth for these shapes.
double circumference(double a, double b)
{
    const double h = (a - b) * (a - b) / ((a + b) * (a + b));
    return 3.141592653589793 * (a + b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
}

TEST(PicturesRollingEllipse, RollsWithoutSlippingAndTouchesTheLine)
{
    constexpr double pi = 3.141592653589793;
    const struct {
        double a, b;
    } shapes[] = {{5, 3}, {2, 1}, {4, 4}};
    for (const auto [a, b] : shapes) {
        const double c = std::sqrt(a * a - b * b);
        const std::vector<EllipsePose> turn = rollEllipse(a, b, -pi / 2, 3 * pi / 2, 0.01);
        // A whole turn moves it on by its circumference, a quarter turn by a quarter of it.
        EXPECT_NEAR(turn.back().centre.x - turn.front().centre.x, circumference(a, b), 1e-6 * a) << a << " " << b;
        const EllipsePose onMajorAxis = rollEllipse(a, b, 0, 0, 0.01).front();
        EXPECT_NEAR(onMajorAxis.place({a, 0}).x, circumference(a, b) / 4, 1e-6 * a) << a << " " << b;
        // Standing on the end of the major axis next to the focus (c, 0), then on the far one.
        EXPECT_NEAR(onMajorAxis.place({c, 0}).y, a - c, 1e-9) << a << " " << b;
        EXPECT_NEAR(rollEllipse(a, b, pi, pi, 0.01).front().place({c, 0}).y, a + c, 1e-9) << a << " " << b;
        // Every pose touches the line from above: its lowest point lies on it.
        for (std::size_t i = 0; i < turn.size(); i += 17) {
            double lowest = 1e9;
            for (int k = 0; k < 3600; ++k) {
                const double u = 2 * pi * k / 3600;
                lowest = std::fmin(lowest, turn[i].place({a * std::cos(u), b * std::sin(u)}).y);
            }
            EXPECT_NEAR(lowest, 0.0, 1e-5 * a) << a << " " << b << " at t = " << turn[i].t;
        }
    }
}

}  // namespace
}  // namespace trochograph::test
