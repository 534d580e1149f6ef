// The curve formulas of the ten show types, the angles that drive them and the colours.
#include <gtest/gtest.h>

#include <complex>
#include <optional>

#include "show/show_curve.h"

namespace trochograph::test {
namespace {

using Z = std::complex<double>;

Z turned(double angle) { return std::polar(1.0, angle); }

struct Expected {
    std::optional<Z> first, second;  // moving centres, where the type has them
    Z pen;
};

// The pen of preset p at theta, on a canvas of half-side hr, from the table's percentages:
// the classical trochoids and roses, and for the compound types the second centre and the
// pen as arms turning at their own rates. Canvas y grows downwards.
Expected expected(const PARAM& p, int hr, double th)
{
    const double u = hr * 0.01;
    const double R = p.R * u, r1 = p.r1 * u, r2 = p.r2 * u, d1 = p.d1 * u, d2 = p.d2 * u;
    const double q = static_cast<double>(p.R) / p.r1;
    const int n = p.r2 > 0 ? (p.r1 + p.r2 - 1) / p.r2 : 0;  // whole turns of r2 in r1, rounded up
    const bool outside = p.type % 2 == 0;
    const double g = outside ? -(q + 1) * th : (q - 1) * th;
    const Z c1 = (outside ? R + r1 : R - r1) * turned(th);
    switch (p.type) {
    case 0:
        return {c1, {}, {(R + r1) * std::cos(th) - d1 * std::cos((R + r1) / r1 * th),
                         (R + r1) * std::sin(th) - d1 * std::sin((R + r1) / r1 * th)}};
    case 1:
        return {c1, {}, {(R - r1) * std::cos(th) + d1 * std::cos((R - r1) / r1 * th),
                         (R - r1) * std::sin(th) - d1 * std::sin((R - r1) / r1 * th)}};
    case 2:
    case 3: {
        const double k = p.type == 2 ? p.kn / p.kd : p.k;
        return {{}, {}, R * std::cos(k * th) * turned(th)};
    }
    case 4: {
        const Z c2 = c1 - (r1 - r2) * turned(g);
        return {c1, c2, c2 - d1 * turned(-n * g)};
    }
    case 5: {
        const Z c2 = c1 + (r1 - r2) * turned(g);
        return {c1, c2, c2 + d1 * turned(-n * g)};
    }
    case 6: {
        const Z c2 = c1 + (r1 + r2) * turned(g);
        return {c1, c2, c2 + d1 * turned(n * g)};
    }
    case 7: {
        const Z c2 = c1 - (r1 + r2) * turned(g);
        return {c1, c2, c2 + d1 * turned(n * g)};
    }
    case 8: {
        const Z c2 = c1 - d1 * turned(-g);
        return {c1, c2, c2 - Z(0, 1) * d2 * turned(-(q - 1) * th)};
    }
    default: {
        const Z c2 = c1 + d1 * turned(-g);
        return {c1, c2, c2 - d2 * turned((q + 1) * th)};
    }
    }
}

void expectNear(Z expected, double x, double y, const char* what)
{
    EXPECT_NEAR(x, expected.real(), 1e-9) << what;
    EXPECT_NEAR(y, expected.imag(), 1e-9) << what;
}

TEST(ShowCurve, EveryTypeFollowsItsGeometryAtSeveralAngles)
{
    // One preset of each type, and preset 5 turned.
    for (const int preset : {0, 1, 2, 6, 4, 9, 3, 23, 10, 8, 5}) {
        for (const double rtheta : {0.0, 0.3}) {
            if (rtheta != 0.0 && preset != turnedPreset) continue;
            for (const double th : {0.0, 1.3, 2.9, 4.4, 5.75}) {
                SCOPED_TRACE("preset " + std::to_string(preset) + " theta " + std::to_string(th) + " rtheta " +
                             std::to_string(rtheta));
                ShowState s;
                s.setGeometry(1920, 1080);
                s.ctype = preset;
                s.rtheta = rtheta;
                setUpPreset(s);
                s.theta = th;
                advanceAngles(s);
                const CurvePoint p = curvePoint(s);
                const Expected e = expected(presetTable[preset], s.halfres, s.theta);
                const Z turn = turned(rtheta);
                expectNear(e.pen * turn, p.x, p.y, "pen");
                if (e.first) expectNear(*e.first * turn, s.center1x, s.center1y, "first centre");
                if (e.second) expectNear(*e.second, s.center2x, s.center2y, "second centre");
            }
        }
    }
}

TEST(ShowCurve, SizesAndStopOnAScreen1080High)
{
    ShowState s;
    s.setGeometry(1920, 1080);
    setUpPreset(s);
    EXPECT_EQ(s.halfres, 540);
    EXPECT_DOUBLE_EQ(s.R, 324.0);
    EXPECT_DOUBLE_EQ(s.r1, 97.2);
    EXPECT_DOUBLE_EQ(s.d1, 97.2);
    EXPECT_DOUBLE_EQ(s.st, 6 * 3.141592653589793);
    EXPECT_EQ(s.hdcRes, (Rect{420, 0, 1500, 1080}));
}

TEST(ShowCurve, DiametersOfTheSecondCircleTurnWholeTimesTheFirst)
{
    // preset, delta / gamma: ceil(r1 / r2), negated for types 6 and 7.
    for (const auto& [preset, times] : {std::pair{20, 2}, {17, 3}, {9, 2}, {18, 2}, {3, -2}, {19, -2}, {23, -4}}) {
        ShowState s;
        s.setGeometry(1024, 768);
        s.ctype = preset;
        setUpPreset(s);
        for (int i = 0; i < 3; ++i) advanceAngles(s);
        EXPECT_NE(s.gamma, 0.0) << "preset " << preset;
        EXPECT_DOUBLE_EQ(s.delta, times * s.gamma) << "preset " << preset;
    }
}

TEST(ShowCurve, OddColourIndicesAreSolidEvenOnesRunThroughThePalette)
{
    ShowState s;
    s.setGeometry(200, 100);
    setUpPreset(s);
    struct Case {
        int crindex;
        double fractionOfCurve;
        Colorref colour;
    };
    for (const Case& c : {Case{1, 0.5, rgb(0, 160, 212)}, Case{21, 0.0, rgb(255, 0, 0)},
                          Case{27, 0.9, rgb(255, 240, 0)}, Case{0, 0.0, plasmacr[1]}, Case{0, 0.5, plasmacr[128]},
                          Case{26, 0.999, plasmacr[255]}}) {
        s.crindex = c.crindex;
        s.theta = c.fractionOfCurve * s.st;
        EXPECT_EQ(segmentColor(s), c.colour) << "colour index " << c.crindex << " at " << c.fractionOfCurve;
    }
}

}  // namespace
}  // namespace trochograph::test
