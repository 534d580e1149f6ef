#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <set>

#include "engine/rotate.h"
#include "engine_steps.h"

namespace trochograph::test {
namespace {

using RendererTest = EngineTest;

TEST_F(RendererTest, DefaultCurvesCloseAfterTheirNumberOfSteps)
{
    struct Case {
        int type;
        int calls;
        double st;
        int revolutions, rotations;
    };
    for (const Case c : {Case{0, 629, twoPi, 1, 4}, Case{1, 1885, 3 * twoPi, 3, 4}, Case{2, 315, pi, 0, 0}}) {
        s.params.type = c.type;
        s.flags.newcurve = 1;
        EXPECT_EQ(renderWholeCurve(engine), c.calls) << "type " << c.type;
        EXPECT_DOUBLE_EQ(s.progress.st[c.type], c.st);
        if (c.type < 2) {
            EXPECT_EQ(engine.renderer().revolutions(), c.revolutions);
            EXPECT_EQ(engine.renderer().rotations(), c.rotations);
        }
        // The end of a curve leaves everything ready for the next one.
        EXPECT_EQ(s.progress.theta, 0.0);
        EXPECT_EQ(s.flags.newcurve, 1);
        EXPECT_FALSE(engine.drawing());
    }
}

TEST_F(RendererTest, RationalRoseReducesSmallFactorsOnly)
{
    struct Case {
        int kn, kd, reducedKn, reducedKd;
        double st, k;
    };
    for (const Case c : {Case{2, 4, 1, 2, 4 * pi, 0.5}, Case{3, 9, 1, 3, 3 * pi, 1.0 / 3},
                         Case{17, 34, 17, 34, 68 * pi, 0.5}, Case{16, 12, 4, 3, 6 * pi, 4.0 / 3}}) {
        s.params.type = 2;
        s.params.kn[2] = c.kn;
        s.params.kd[2] = c.kd;
        s.flags.newcurve = 1;
        s.flags.okroulette = 1;
        engine.step();
        EXPECT_EQ(s.params.kn[2], c.reducedKn);
        EXPECT_EQ(s.params.kd[2], c.reducedKd);
        EXPECT_DOUBLE_EQ(s.progress.st[2], c.st);
        EXPECT_DOUBLE_EQ(s.progress.k, c.k);
    }
}

TEST_F(RendererTest, IrrationalRoseDrawsItsCircuitsWithTheChosenK)
{
    s.params.type = 3;
    s.params.kn[3] = 2;
    s.params.kindex = 2.7;  // truncated, never rounded up
    s.flags.newcurve = 1;
    EXPECT_EQ(renderWholeCurve(engine), 1257);
    EXPECT_DOUBLE_EQ(s.progress.k, ki[2]);
    EXPECT_DOUBLE_EQ(s.progress.st[3], 2 * twoPi);
}

TEST_F(RendererTest, ActualEllipseRoundsTheCircumferenceRatio)
{
    // R = 4, a = 2, b = 1 in any pixel scale: the ratio 2.5941... rounds to 10 / 4.
    s.params.type = 0;
    s.params.Rpct[0] = 40;
    s.params.rpct[0] = 20;
    s.params.ellipse = 1;
    s.params.method = actualEllipse;
    s.params.en = 1;
    s.params.ed = 2;
    s.params.rounding = 4;
    s.flags.okroulette = 1;
    engine.step();
    EXPECT_EQ(engine.renderer().revolutions(), 2);
    EXPECT_EQ(engine.renderer().rotations(), 5);
    EXPECT_DOUBLE_EQ(s.progress.st[0], 2 * twoPi);

    s.params.rounding = noRounding;  // no rounding still rounds to the nearest 1/100
    s.flags.newcurve = 1;
    engine.step();
    EXPECT_EQ(engine.renderer().revolutions(), 100);
    EXPECT_EQ(engine.renderer().rotations(), 259);
}

// A fixed circle far smaller than the ellipse: R 5 %, a circle of r 100 % (en = ed), so the
// ratio is 0.05. Rounded to 0 it would have no closure and the curve would be one dot; it
// takes the smallest step of the rounding instead, and the curve runs and closes.
TEST_F(RendererTest, ActualEllipseNeverRoundsTheRatioToZero)
{
    struct Case {
        int rounding;
        int revolutions, rotations;
        int calls;
    };
    for (const Case c : {Case{1, 1, 1, 629}, Case{4, 4, 1, 2514}, Case{10, 10, 1, 6284},
                         Case{noRounding, 20, 1, 12567}}) {  // 0.05 is a whole number of 1/100
        SCOPED_TRACE(c.rounding);
        s.params.type = 0;
        s.params.Rpct[0] = 5;
        s.params.rpct[0] = 100;
        s.params.ellipse = 1;
        s.params.method = actualEllipse;
        s.params.en = s.params.ed = 100;
        s.params.rounding = c.rounding;
        s.flags.newcurve = 1;
        s.flags.okroulette = 1;
        engine.step();
        const Point first = s.progress.pt[1];
        EXPECT_EQ(engine.renderer().revolutions(), c.revolutions);
        EXPECT_EQ(engine.renderer().rotations(), c.rotations);
        EXPECT_DOUBLE_EQ(s.progress.st[0], c.revolutions * twoPi);
        EXPECT_EQ(renderWholeCurve(engine) + 1, c.calls);
        // The last point comes back to the first, less than one step short of it.
        EXPECT_NEAR(s.progress.pt[1].x, first.x, 3);
        EXPECT_NEAR(s.progress.pt[1].y, first.y, 3);
    }
}

TEST_F(RendererTest, ConstantCircleMethodLiftsAZeroPenDistance)
{
    s.params.type = 0;
    s.params.dpct[0] = 0.0;
    s.params.ellipse = 1;
    s.params.method = circleVaryingD;
    s.flags.okroulette = 1;
    engine.step();
    EXPECT_DOUBLE_EQ(s.progress.a, 0.1);
    EXPECT_DOUBLE_EQ(s.progress.b, 0.1 * 3 / 4);
    for (int i = 0; i < 200; ++i) {
        engine.step();
        EXPECT_LE(s.progress.d, 0.1 + 1e-12);
        EXPECT_GE(s.progress.d, 0.075 - 1e-12);
    }
}

TEST_F(RendererTest, ClosureFiguresOfEachType)
{
    const std::pair<int, std::string> cases[] = {
        {0, "revolutions: 1\nrotations: 4"},
        {1, "revolutions: 3\nrotations: 4"},
        {2, "kn: 5\nkd: 1\nk: 5.0000000000\ntotal radians: 1 * PI"},
        {3, "k: 2.7182818285\nkn: 1\ntotal radians: 2 * PI"},
    };
    for (const auto& [type, text] : cases) {
        s.params.type = type;
        s.flags.newcurve = 1;
        s.flags.okroulette = 1;
        engine.step();
        EXPECT_EQ(engine.closureFigures(), text);
    }
    s.params.type = 2;
    s.params.kn[2] = 2;
    s.params.kd[2] = 3;
    s.flags.newcurve = 1;
    engine.step();
    EXPECT_EQ(engine.closureFigures(), "kn: 2\nkd: 3\nk: 0.6666666667\ntotal radians: 6 * PI");
}

// The classic parametric forms, evaluated independently of the renderer's steps.
Point expectedPoint(const CurveState& s, double theta)
{
    const int t = s.params.type;
    const double R = s.params.halfres() * s.params.Rpct[t] * 0.01, r = s.params.halfres() * s.params.rpct[t] * 0.01, d = s.params.halfres() * s.params.dpct[t] * 0.01;
    double x, y;
    if (t == 0) {
        x = (R + r) * std::cos(theta) - d * std::cos((R + r) / r * theta);
        y = (R + r) * std::sin(theta) - d * std::sin((R + r) / r * theta);
    } else if (t == 1) {
        x = (R - r) * std::cos(theta) + d * std::cos((R - r) / r * theta);
        y = (R - r) * std::sin(theta) - d * std::sin((R - r) / r * theta);
    } else {
        const double k = t == 2 ? static_cast<double>(s.params.kn[2]) / s.params.kd[2] : ki[static_cast<int>(s.params.kindex)];
        x = R * std::cos(k * theta) * std::cos(theta);
        y = R * std::cos(k * theta) * std::sin(theta);
    }
    x *= s.params.scale[t];
    y *= s.params.scale[t];
    // Turning by rottheta; y grows downwards on screen.
    const double c = std::cos(s.params.rottheta), sn = std::sin(s.params.rottheta);
    const double rx = x * c - y * sn, ry = x * sn + y * c;
    return {static_cast<int>(std::trunc(rx)) + s.params.halfres(), static_cast<int>(std::trunc(ry)) + s.params.halfres()};
}

TEST_F(RendererTest, PointsFollowTheParametricFormsOfEveryType)
{
    struct Case {
        int type;
        double scale, rottheta;
    };
    for (const Case c : {Case{0, 1.0, 0.0}, Case{1, 1.0, 0.0}, Case{2, 1.0, 0.0}, Case{3, 1.0, 0.0},
                         Case{0, 2.0, 0.0}, Case{1, 0.5, halfPi}, Case{2, 1.0, 1.0}}) {
        s.params.type = c.type;
        s.params.scale[c.type] = c.scale;
        s.params.rottheta = c.rottheta;
        s.flags.newcurve = 1;
        s.flags.okroulette = 1;
        double theta = 0.0;
        for (int step = 0; step < 400 && s.flags.okroulette; ++step) {
            engine.step();
            const Point want = expectedPoint(s, theta);
            // Truncation may tip a coordinate by one pixel where the two evaluations differ
            // in the last bits.
            EXPECT_NEAR(s.progress.pt[1].x, want.x, 1) << "type " << c.type << " step " << step;
            EXPECT_NEAR(s.progress.pt[1].y, want.y, 1) << "type " << c.type << " step " << step;
            theta += s.params.increment;
        }
        s.params.scale[c.type] = 1.0;
    }
}

TEST_F(RendererTest, RotateTurnsAboutTheOrigin)
{
    auto turned = [](double x, double y, double radians) {
        rotate(x, y, radians);
        return std::pair{x, y};
    };
    EXPECT_EQ(turned(0, 0, 1.3), (std::pair{0.0, 0.0}));
    auto [x1, y1] = turned(1, 0, halfPi);
    EXPECT_NEAR(x1, 0, 1e-12);
    EXPECT_NEAR(y1, 1, 1e-12);
    auto [x2, y2] = turned(-1, 0, 0);
    EXPECT_NEAR(x2, -1, 1e-12);
    EXPECT_NEAR(y2, 0, 1e-12);
    auto [x3, y3] = turned(0, -2, 0);
    EXPECT_NEAR(x3, 0, 1e-12);
    EXPECT_NEAR(y3, -2, 1e-12);
    auto [x4, y4] = turned(-3, -4, pi);
    EXPECT_NEAR(x4, 3, 1e-12);
    EXPECT_NEAR(y4, 4, 1e-12);
}

std::set<Colorref> colorsOf(const Surface& surface)
{
    return {surface.pixels().begin(), surface.pixels().end()};
}

TEST_F(RendererTest, MulticolorSpreadsPaletteEntriesOneTo255OverACurve)
{
    // Entry i gets the colour i, so the canvas tells which entries were used.
    Palette entries;
    for (int i = 0; i < 256; ++i) entries[static_cast<std::size_t>(i)] = static_cast<Colorref>(i);
    s.params.crpalette = entries;
    s.params.back = 0x00FFFFFF;
    s.params.width = 1;
    s.progress.pt = {};
    s.flags.okroulette = 1;
    engine.step();
    EXPECT_EQ(engine.canvas().pixel(s.progress.pt[1].x, s.progress.pt[1].y), 0x00FFFFFFu) << "the first segment has no length";
    engine.step();
    EXPECT_EQ(colorsOf(engine.canvas()), (std::set<Colorref>{1, 0x00FFFFFF}));
    renderWholeCurve(engine);
    // Later segments may cover a few earlier ones, so not every entry need survive.
    std::set<Colorref> used = colorsOf(engine.canvas());
    EXPECT_FALSE(used.count(0)) << "entry 0 is never used";
    EXPECT_TRUE(used.count(255));
    EXPECT_GT(used.size(), 200u);
    EXPECT_LE(*std::prev(used.end(), 2), 255u);

    // The irrational rose steps once per radian: one turn uses entries 1 to 7.
    s.params.type = 3;
    s.flags.firstloop = 1;
    s.flags.newcurve = 1;
    renderWholeCurve(engine);
    used = colorsOf(engine.canvas());
    EXPECT_TRUE(used.count(7));
    EXPECT_LE(*std::prev(used.end(), 2), 7u);

    s.params.multicolor = 0;
    s.params.fore = 0x00123456;
    s.flags.firstloop = 1;
    s.flags.newcurve = 1;
    renderWholeCurve(engine);
    EXPECT_EQ(colorsOf(engine.canvas()), (std::set<Colorref>{0x00123456, 0x00FFFFFF}));
}

TEST_F(RendererTest, FreshBackgroundFillsTheVisibleWindowAndTheCanvas)
{
    window.reset(800, 400, canvasGrey);
    s.params.back = 0x00010203;
    s.flags.okroulette = 1;
    engine.step();
    EXPECT_EQ(s.flags.firstloop, 0);
    EXPECT_EQ(engine.canvas().pixel(599, 599), 0x00010203u);
    EXPECT_EQ(window.pixel(599, 399), 0x00010203u);
    EXPECT_EQ(window.pixel(600, 0), canvasGrey) << "the grey beyond the canvas stays";
}

TEST_F(RendererTest, SegmentsOffTheCanvasAreDroppedWhole)
{
    engine.rebuildCanvas(200);
    s.params.scale[0] = 5.0;  // far past the canvas edge for most of the curve
    s.params.multicolor = 0;
    s.params.width = 1;
    s.flags.okroulette = 1;
    engine.step();  // paints the background
    int dropped = 0;
    while (s.flags.okroulette) {
        const Point from = s.progress.pt[0];
        const Surface before(engine.canvas());
        engine.step();
        const bool inside = [&] {
            for (Point p : {from, s.progress.pt[0]})
                if (p.x < 0 || p.y < 0 || p.x >= s.params.res || p.y >= s.params.res) return false;
            return true;
        }();
        if (!inside) {
            EXPECT_TRUE(engine.canvas() == before);
            ++dropped;
        }
    }
    EXPECT_GT(dropped, 100);
}

TEST_F(RendererTest, WindowGetsOnlySegmentsWhollyInItsVisiblePart)
{
    // A window narrower than the canvas: the canvas has the whole curve, the window the
    // segments that lie entirely left of its edge; a repaint would bring in the rest.
    window.reset(300, 600, canvasGrey);
    s.params.multicolor = 0;
    s.params.width = 1;
    renderWholeCurve(engine);
    int canvasLeft = 0, windowLeft = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 300; ++x) {
            canvasLeft += engine.canvas().pixel(x, y) == s.params.fore;
            windowLeft += window.pixel(x, y) == s.params.fore;
            if (window.pixel(x, y) == s.params.fore) {
                EXPECT_EQ(engine.canvas().pixel(x, y), s.params.fore);
            }
        }
    EXPECT_GT(windowLeft, 0);
    EXPECT_LT(windowLeft, canvasLeft);
}

TEST_F(RendererTest, ResumingContinuesFromTheStoredTheta)
{
    s.flags.okroulette = 1;
    for (int i = 0; i < 100; ++i) engine.step();
    const double theta = s.progress.theta;
    s.flags.okroulette = 0;  // paused
    s.params.width = 5;
    s.flags.okroulette = 1;
    engine.step();
    EXPECT_DOUBLE_EQ(s.progress.theta, theta + s.params.increment);
    EXPECT_EQ(s.flags.newcurve, 0);
}

}  // namespace
}  // namespace trochograph::test
