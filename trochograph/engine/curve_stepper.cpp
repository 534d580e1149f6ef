#include "curve_stepper.h"

#include <algorithm>
#include <cmath>

#include "curve_state.h"
#include "gcd.h"
#include "rotate.h"
#include "trunc_int.h"

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
int paletteIndex(const CurveState& s)
{
    const double position = s.type == rhodoneaIrrational ? s.theta : 255.0 * s.theta / s.st[s.type];
    const int n = truncToInt(position) % 255;
    return (n < 0 ? n + 255 : n) + 1;
}

}  // namespace

void CurveStepper::setUp()
{
    CurveState& s = s_;
    s.clearflag = 0;
    s.newcurve = 0;
    s.delta = 0.0;
    s.theta = 0.0;

    const int t = s.type;
    s.R = s.halfres * s.Rpct[t] * 0.01;
    s.r = s.halfres * s.rpct[t] * 0.01;
    s.d = s.halfres * s.dpct[t] * 0.01;
    m_.R_plus_r = s.R + s.r;
    m_.R_minus_r = s.R - s.r;
    m_.R_over_r_plus_1 = s.R / s.r + 1;
    m_.R_over_r_minus_1 = s.R / s.r - 1;

    if (t == epitrochoid || t == hypotrochoid) {
        // R / r = rotations / revolutions in lowest terms; the curve closes after
        // `revolutions` turns of theta.
        const int g = gcd(s.Rpct[t], s.rpct[t]);
        m_.revolutions = s.rpct[t] / g;
        m_.rotations = s.Rpct[t] / g;
        s.st[t] = m_.revolutions * twoPi;
    } else if (t == rhodoneaRational) {
        // Small common factors only; with numbers up to 16 that reaches lowest terms.
        int& kn = s.kn[2];
        int& kd = s.kd[2];
        for (int i = 2; i <= 13; ++i)
            while (kn > 0 && kd > 0 && kn % i == 0 && kd % i == 0) {
                kn /= i;
                kd /= i;
            }
        const bool bothOdd = kn % 2 == 1 && kd % 2 == 1;
        s.st[2] = bothOdd ? kd * pi : kd * twoPi;
        s.k = static_cast<double>(kn) / kd;
    } else {
        s.k = ki[std::clamp(truncToInt(s.kindex), 0, static_cast<int>(ki.size()) - 1)];
        s.st[3] = s.kn[3] * twoPi;
    }

    if (ellipseActive()) setUpEllipse();
}

void CurveStepper::setUpEllipse()
{
    CurveState& s = s_;
    const int t = s.type;
    m_.epsilon = 0.0;
    const double ratio = static_cast<double>(s.en) / s.ed;
    if (s.method == actualEllipse) {
        s.a = s.r;
        s.b = s.r * ratio;
        m_.b_over_a = s.b / s.a;
        m_.c = std::sqrt(s.a * s.a - s.b * s.b);
        m_.e = m_.c / s.a;
        m_.e_squared = m_.e * m_.e;
        // Ramanujan's approximation of the ellipse's circumference.
        const double circ = pi * (3 * (s.a + s.b) - std::sqrt((s.a + 3 * s.b) * (3 * s.a + s.b)));
        const double Rcirc = twoPi * s.R;
        m_.circratio = Rcirc / circ;
        // Round the ratio to the nearest 1 / rounding, an exact half going up. An ellipse
        // much larger than the fixed circle would round to 0, which has no closure: the
        // curve would end after one dot. It gets the smallest step, 1 / rounding, instead.
        const double t1 = s.rounding * m_.circratio;
        const double fl = std::floor(t1);
        const double cl = std::ceil(t1);
        const double t2 = std::max(cl - t1 > t1 - fl ? fl : cl, 1.0);
        m_.circratio = t2 / s.rounding;
        const int g = gcd(truncToInt(t2), s.rounding);
        m_.revolutions = s.rounding / g;
        m_.rotations = truncToInt(t2) / g;
        s.st[t] = m_.revolutions * twoPi;
    } else if (s.method == circleVaryingR) {
        s.a = s.r;
        s.b = s.r * ratio;
        m_.et = s.R / s.r * s.increment;
    } else {
        // A pen distance below one pixel would collapse the ellipse to a point.
        if (s.d < 1.0) s.d = 0.1;
        s.a = s.d;
        s.b = s.d * ratio;
        m_.et = s.R / s.r * s.increment;
    }
}

void CurveStepper::locatePen()
{
    CurveState& s = s_;
    const int t = s.type;
    double x, y;
    if (t == epitrochoid) {
        s.center1x = std::cos(s.theta) * m_.R_plus_r;
        s.center1y = std::sin(s.theta) * m_.R_plus_r;
        x = s.center1x - s.d * std::cos(s.delta);
        y = s.center1y - s.d * std::sin(-s.delta);
    } else if (t == hypotrochoid) {
        s.center1x = std::cos(s.theta) * m_.R_minus_r;
        s.center1y = std::sin(s.theta) * m_.R_minus_r;
        x = s.center1x + s.d * std::cos(s.delta);
        y = s.center1y - s.d * std::sin(s.delta);
    } else {
        const double m = std::cos(s.k * s.theta) * s.R;
        x = std::cos(s.theta) * m;
        y = std::sin(s.theta) * m;
    }
    x *= s.scale[t];
    y *= s.scale[t];
    if (s.rottheta != 0.0) {
        rotate(x, y, s.rottheta);
        rotate(s.center1x, s.center1y, s.rottheta);
    }
    s.pt[1] = {canvasCoordinate(x, s.halfres), canvasCoordinate(y, s.halfres)};
    m_.penX = x + s.halfres + 0.5;
    m_.penY = y + s.halfres + 0.5;
    if (s.theta == 0.0) {
        s.pt[0] = s.pt[1];
        m_.lastX = m_.penX;
        m_.lastY = m_.penY;
    }
}

bool CurveStepper::segment(Segment& out) const
{
    const CurveState& s = s_;
    if (!onCanvas(s.pt[0], s.res) || !onCanvas(s.pt[1], s.res)) return false;
    out = {m_.lastX, m_.lastY, m_.penX, m_.penY, s.pt[0], s.pt[1], s.width,
           s.multicolor ? s.crpalette[paletteIndex(s)] : s.fore};
    return true;
}

void CurveStepper::stepEllipse()
{
    CurveState& s = s_;
    const int t = s.type;
    if (s.method == actualEllipse) {
        const double T = m_.circratio * s.theta;
        const double sinT = std::sin(T);
        double E = T;
        // atan gives the angle on the principal branch; put it on the branch of T.
        if (sinT != 0.0 && std::fabs(sinT) != 1.0)
            E = std::atan(std::tan(T) * m_.b_over_a) + std::floor((T + halfPi) * (1 / pi)) * pi;
        m_.epsilon = E + (T - E) * 0.5;
        const double rho = E + (T - E) * (t == epitrochoid ? 1.25 : 0.625);
        const double sinRho = std::sin(rho);
        s.r = (s.a + s.b) - s.a * std::sqrt((1 - m_.e_squared) / (1 - m_.e_squared * sinRho * sinRho));
        m_.R_plus_r = s.R + s.r;
        m_.R_minus_r = s.R - s.r;
    } else if (s.method == circleVaryingR) {
        m_.epsilon += m_.et;
        const double mx = s.a * std::cos(m_.epsilon);
        const double my = s.b * std::sin(m_.epsilon);
        s.r = std::sqrt(mx * mx + my * my);
        m_.R_plus_r = s.R + s.r;
        m_.R_minus_r = s.R - s.r;
    } else {
        m_.epsilon += m_.et;
        const double bc = s.b * std::cos(m_.epsilon);
        const double as = s.a * std::sin(m_.epsilon);
        s.d = s.a * s.b / std::sqrt(bc * bc + as * as);
    }
    s.delta = t == epitrochoid ? m_.epsilon + s.theta : m_.epsilon - s.theta;
}

}  // namespace trochograph
