#include "show/show_curve.h"

#include <cmath>

#include "common/gcd.h"
#include "common/trunc_int.h"

namespace trochograph {

namespace {

constexpr double pi = 3.141592653589793;
constexpr double halfPi = 1.5707963267948966;
constexpr double threeHalfPi = 4.71238898038469;
constexpr double twoPi = 6.283185307179586;

// Turns (x, y) about the origin by `angle` through its polar form; y grows downwards, so a
// positive angle turns clockwise on screen.
void turn(double& x, double& y, double angle)
{
    double phi;
    if (x == 0.0) {
        phi = y >= 0.0 ? halfPi : threeHalfPi;
    } else {
        phi = std::atan(y / x);
        if (x < 0.0) phi += pi;
    }
    const double length = std::sqrt(x * x + y * y);
    x = length * std::cos(phi + angle);
    y = length * std::sin(phi + angle);
}

}  // namespace

double stopAngle(int index, const PARAM& p)
{
    switch (index) {
    case 2: return twoPi;
    case irrationalPreset: return 130.06193585861743;  // 41.4 pi
    case 12: return 5 * pi;
    case 24: return 6 * pi;
    default: return (p.r1 / gcd(p.R, p.r1)) * twoPi;
    }
}

void setUpPreset(ShowState& s)
{
    const PARAM& p = s.preset();
    s.delta = s.gamma = 0.0;
    s.R = s.halfres * p.R * 0.01;
    s.r1 = s.halfres * p.r1 * 0.01;
    s.r2 = s.halfres * p.r2 * 0.01;
    s.d1 = s.halfres * p.d1 * 0.01;
    s.d2 = s.halfres * p.d2 * 0.01;
    s.R_plus_r1 = s.R + s.r1;
    s.R_minus_r1 = s.R - s.r1;
    s.R_over_r1_plus_1 = s.R / s.r1 + 1;
    s.R_over_r1_minus_1 = s.R / s.r1 - 1;
    if (p.type > irrationalRose) {
        s.r1_plus_r2 = s.r1 + s.r2;
        s.r1_minus_r2 = s.r1 - s.r2;
        s.R_over_r1 = s.R / s.r1;
        s.r1_over_r2 = s.r1 / s.r2;
    }
    if (p.type == 2) s.k = p.kn / p.kd;
    if (p.type == irrationalRose) s.k = p.k;
    s.st = stopAngle(s.ctype, p);
}

CurvePoint curvePoint(ShowState& s)
{
    const int type = s.preset().type;
    const double th = s.theta, g = s.gamma, dl = s.delta;
    // Odd types roll inside the fixed circle, even ones outside; roses have no centres.
    if (type != 2 && type != irrationalRose) {
        const double arm = type % 2 == 0 ? s.R_plus_r1 : s.R_minus_r1;
        s.center1x = arm * std::cos(th);
        s.center1y = arm * std::sin(th);
    }
    const double c1x = s.center1x, c1y = s.center1y;
    double& c2x = s.center2x;
    double& c2y = s.center2y;
    CurvePoint p;
    switch (type) {
    case 0:
        p = {c1x - s.d1 * std::cos(dl), c1y - s.d1 * std::sin(-dl)};
        break;
    case 1:
        p = {c1x + s.d1 * std::cos(dl), c1y - s.d1 * std::sin(dl)};
        break;
    case 2:
    case irrationalRose: {
        const double m = s.R * std::cos(s.k * th);
        p = {m * std::cos(th), m * std::sin(th)};
        break;
    }
    case 4:
        c2x = c1x - s.r1_minus_r2 * std::cos(g);
        c2y = c1y - s.r1_minus_r2 * std::sin(g);
        p = {c2x - s.d1 * std::cos(dl), c2y + s.d1 * std::sin(dl)};
        break;
    case 5:
        c2x = c1x + s.r1_minus_r2 * std::cos(g);
        c2y = c1y + s.r1_minus_r2 * std::sin(g);
        p = {c2x + s.d1 * std::cos(-dl), c2y + s.d1 * std::sin(-dl)};
        break;
    case 6:
        c2x = c1x + s.r1_plus_r2 * std::cos(g);
        c2y = c1y + s.r1_plus_r2 * std::sin(g);
        p = {c2x + s.d1 * std::cos(dl), c2y - s.d1 * std::sin(dl)};
        break;
    case 7:
        c2x = c1x - s.r1_plus_r2 * std::cos(g);
        c2y = c1y - s.r1_plus_r2 * std::sin(g);
        p = {c2x + s.d1 * std::cos(dl), c2y - s.d1 * std::sin(dl)};
        break;
    case 8:
        c2x = c1x - s.d1 * std::cos(g);
        c2y = c1y + s.d1 * std::sin(g);
        p = {c2x - s.d2 * std::sin(dl), c2y - s.d2 * std::cos(dl)};
        break;
    case 9:
        c2x = c1x + s.d1 * std::cos(g);
        c2y = c1y - s.d1 * std::sin(g);
        p = {c2x - s.d2 * std::cos(-dl), c2y - s.d2 * std::sin(-dl)};
        break;
    default:
        break;
    }
    if (s.ctype == turnedPreset) {
        turn(p.x, p.y, s.rtheta);
        turn(s.center1x, s.center1y, s.rtheta);
    }
    return p;
}

void advanceAngles(ShowState& s)
{
    s.theta += thetaStep;
    const double th = s.theta;
    switch (s.preset().type) {
    case 0: s.delta = -s.R_over_r1_plus_1 * th; break;
    case 1: s.delta = s.R_over_r1_minus_1 * th; break;
    case 4:
        s.gamma = -s.R_over_r1_plus_1 * th;
        s.delta = std::ceil(s.r1_over_r2) * s.gamma;
        break;
    case 5:
        s.gamma = s.R_over_r1_minus_1 * th;
        s.delta = std::ceil(s.r1_over_r2) * s.gamma;
        break;
    case 6:
        s.gamma = -s.R_over_r1_plus_1 * th;
        s.delta = -std::ceil(s.r1_over_r2) * s.gamma;
        break;
    case 7:
        s.gamma = s.R_over_r1_minus_1 * th;
        s.delta = -std::ceil(s.r1_over_r2) * s.gamma;
        break;
    case 8:
        s.gamma = -s.R_over_r1_plus_1 * th;
        s.delta = s.R_over_r1_minus_1 * th;
        break;
    case 9:
        s.gamma = s.R_over_r1_minus_1 * th;
        s.delta = -s.R_over_r1_plus_1 * th;
        break;
    default:  // roses turn no circles
        break;
    }
}

Colorref segmentColor(const ShowState& s)
{
    if (s.crindex % 2 == 1) return cr[static_cast<std::size_t>(s.crindex)];
    // theta runs from 0 to below st, so the entry stays within 1..255.
    const int n = truncToInt(255.0 * s.theta / s.st) % 255;
    return plasmacr[static_cast<std::size_t>(n + 1)];
}

}  // namespace trochograph
