#include "engine/curve_stepper.h"

#include <algorithm>
#include <cmath>

#include "common/gcd.h"
#include "common/trunc_int.h"
#include "engine/curve_state.h"
#include "engine/rotate.h"

namespace trochograph {

namespace {

// trunc(v) + halfres without overflow: a far-off point saturates and stays off the canvas.
int canvasCoordinate(double v, int halfres)
{
    const long long p = static_cast<long long>(truncToInt(v)) + halfres;
    return static_cast<int>(std::clamp<long long>(p, -2147483647LL - 1, 2147483647LL));
}

bool onCanvas(Point p, int res) { return p.x >= 0 && p.x < res && p.y >= 0 && p.y < res; }

// Palette entry 1..255: spread once over a whole curve, or one step per radian for the
// irrational rose, whose curve has no natural length.
int paletteIndex(const CurveParameters& p, const CurveProgress& g)
{
    const double position = p.type == rhodoneaIrrational ? g.theta : 255.0 * g.theta / g.st[p.type];
    const int n = truncToInt(position) % 255;
    return (n < 0 ? n + 255 : n) + 1;
}

}  // namespace

void CurveStepper::setUp()
{
    CurveParameters& p = p_;
    CurveProgress& g = g_;
    g.delta = 0.0;
    g.theta = 0.0;

    const int t = p.type;
    g.takeRadii(p);
    m_.R_plus_r = g.R + g.r;
    m_.R_minus_r = g.R - g.r;
    m_.R_over_r_plus_1 = g.R / g.r + 1;
    m_.R_over_r_minus_1 = g.R / g.r - 1;

    if (t == epitrochoid || t == hypotrochoid) {
        // R / r = rotations / revolutions in lowest terms; the curve closes after
        // `revolutions` turns of theta.
        const int gcdRr = gcd(p.Rpct[t], p.rpct[t]);
        m_.revolutions = p.rpct[t] / gcdRr;
        m_.rotations = p.Rpct[t] / gcdRr;
        g.st[t] = m_.revolutions * twoPi;
    } else if (t == rhodoneaRational) {
        // Small common factors only; with numbers up to 16 that reaches lowest terms.
        int& kn = p.kn[2];
        int& kd = p.kd[2];
        for (int i = 2; i <= 13; ++i)
            while (kn > 0 && kd > 0 && kn % i == 0 && kd % i == 0) {
                kn /= i;
                kd /= i;
            }
        g.st[2] = roseClosingHalfTurns(kn, kd) * pi;
        g.k = static_cast<double>(kn) / kd;
    } else {
        g.k = ki[std::clamp(truncToInt(p.kindex), 0, static_cast<int>(ki.size()) - 1)];
        g.st[3] = p.kn[3] * twoPi;
    }

    if (p.ellipse && t <= hypotrochoid) setUpEllipse();
}

void CurveStepper::setUpEllipse()
{
    const CurveParameters& p = p_;
    CurveProgress& g = g_;
    const int t = p.type;
    m_.epsilon = 0.0;
    const double ratio = static_cast<double>(p.en) / p.ed;
    if (p.method == actualEllipse) {
        g.a = g.r;
        g.b = g.r * ratio;
        m_.b_over_a = g.b / g.a;
        m_.c = std::sqrt(g.a * g.a - g.b * g.b);
        m_.e = m_.c / g.a;
        m_.e_squared = m_.e * m_.e;
        // Ramanujan's approximation of the ellipse's circumference.
        const double circ = pi * (3 * (g.a + g.b) - std::sqrt((g.a + 3 * g.b) * (3 * g.a + g.b)));
        const double Rcirc = twoPi * g.R;
        m_.circratio = Rcirc / circ;
        // Round the ratio to the nearest 1 / rounding, an exact half going up. An ellipse
        // much larger than the fixed circle would round to 0, which has no closure: the
        // curve would end after one dot. It gets the smallest step, 1 / rounding, instead.
        const double t1 = p.rounding * m_.circratio;
        const double fl = std::floor(t1);
        const double cl = std::ceil(t1);
        const double t2 = std::max(cl - t1 > t1 - fl ? fl : cl, 1.0);
        m_.circratio = t2 / p.rounding;
        const int gcdT = gcd(truncToInt(t2), p.rounding);
        m_.revolutions = p.rounding / gcdT;
        m_.rotations = truncToInt(t2) / gcdT;
        g.st[t] = m_.revolutions * twoPi;
    } else if (p.method == circleVaryingR) {
        g.a = g.r;
        g.b = g.r * ratio;
        m_.et = g.R / g.r * p.increment;
    } else {
        // A pen distance below one pixel would collapse the ellipse to a point.
        if (g.d < 1.0) g.d = 0.1;
        g.a = g.d;
        g.b = g.d * ratio;
        m_.et = g.R / g.r * p.increment;
    }
}

void CurveStepper::locatePen()
{
    const CurveParameters& p = p_;
    CurveProgress& g = g_;
    const int t = p.type;
    double x, y;
    if (t == epitrochoid) {
        g.center1x = std::cos(g.theta) * m_.R_plus_r;
        g.center1y = std::sin(g.theta) * m_.R_plus_r;
        x = g.center1x - g.d * std::cos(g.delta);
        y = g.center1y - g.d * std::sin(-g.delta);
    } else if (t == hypotrochoid) {
        g.center1x = std::cos(g.theta) * m_.R_minus_r;
        g.center1y = std::sin(g.theta) * m_.R_minus_r;
        x = g.center1x + g.d * std::cos(g.delta);
        y = g.center1y - g.d * std::sin(g.delta);
    } else {
        const double m = std::cos(g.k * g.theta) * g.R;
        x = std::cos(g.theta) * m;
        y = std::sin(g.theta) * m;
    }
    x *= p.scale[t];
    y *= p.scale[t];
    if (p.rottheta != 0.0) {
        rotate(x, y, p.rottheta);
        rotate(g.center1x, g.center1y, p.rottheta);
    }
    g.pt[1] = {canvasCoordinate(x, p.halfres()), canvasCoordinate(y, p.halfres())};
    m_.penX = x + p.halfres() + 0.5;
    m_.penY = y + p.halfres() + 0.5;
    if (g.theta == 0.0) {
        g.pt[0] = g.pt[1];
        m_.lastX = m_.penX;
        m_.lastY = m_.penY;
    }
}

bool CurveStepper::segment(Segment& out) const
{
    const CurveParameters& p = p_;
    const CurveProgress& g = g_;
    if (!onCanvas(g.pt[0], p.res) || !onCanvas(g.pt[1], p.res)) return false;
    out = {m_.lastX, m_.lastY, m_.penX, m_.penY, g.pt[0], g.pt[1], p.width,
           p.multicolor ? p.crpalette[paletteIndex(p, g)] : p.fore};
    return true;
}

void CurveStepper::stepEllipse()
{
    const CurveParameters& p = p_;
    CurveProgress& g = g_;
    const int t = p.type;
    if (p.method == actualEllipse) {
        const double T = m_.circratio * g.theta;
        const double sinT = std::sin(T);
        double E = T;
        // atan gives the angle on the principal branch; put it on the branch of T.
        if (sinT != 0.0 && std::fabs(sinT) != 1.0)
            E = std::atan(std::tan(T) * m_.b_over_a) + std::floor((T + halfPi) * (1 / pi)) * pi;
        m_.epsilon = E + (T - E) * 0.5;
        const double rho = E + (T - E) * (t == epitrochoid ? 1.25 : 0.625);
        const double sinRho = std::sin(rho);
        g.r = (g.a + g.b) - g.a * std::sqrt((1 - m_.e_squared) / (1 - m_.e_squared * sinRho * sinRho));
        m_.R_plus_r = g.R + g.r;
        m_.R_minus_r = g.R - g.r;
    } else if (p.method == circleVaryingR) {
        m_.epsilon += m_.et;
        const double mx = g.a * std::cos(m_.epsilon);
        const double my = g.b * std::sin(m_.epsilon);
        g.r = std::sqrt(mx * mx + my * my);
        m_.R_plus_r = g.R + g.r;
        m_.R_minus_r = g.R - g.r;
    } else {
        m_.epsilon += m_.et;
        const double bc = g.b * std::cos(m_.epsilon);
        const double as = g.a * std::sin(m_.epsilon);
        g.d = g.a * g.b / std::sqrt(bc * bc + as * as);
    }
    g.delta = t == epitrochoid ? m_.epsilon + g.theta : m_.epsilon - g.theta;
}

}  // namespace trochograph
