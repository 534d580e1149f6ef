#include "renderer.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <string>

#include "c_numbers.h"
#include "circle_animation.h"
#include "curve_state.h"
#include "engine_platform.h"
#include "gcd.h"
#include "rotate.h"
#include "surface.h"
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

Renderer::Renderer(CurveState& state, Surface& canvas, EnginePlatform& platform, CircleAnimation& circles)
    : state_(state), canvas_(canvas), platform_(platform), circles_(circles)
{
}

int Renderer::roulette()
{
    CurveState& s = state_;
    assert(s.type >= 0 && s.type < curveTypeCount);
    Surface& window = platform_.windowSurface();
    const Rect visible = visibleArea(s.res, platform_.clientRect());

    if (s.firstloop) {
        s.firstloop = 0;
        window.fillRect(visible, s.back);
        canvas_.fillRect({0, 0, s.res, s.res}, s.back);
    }
    if (s.newcurve) setUpCurve();

    const int t = s.type;
    double x, y;
    if (t == epitrochoid) {
        s.center1x = std::cos(s.theta) * R_plus_r_;
        s.center1y = std::sin(s.theta) * R_plus_r_;
        x = s.center1x - s.d * std::cos(s.delta);
        y = s.center1y - s.d * std::sin(-s.delta);
    } else if (t == hypotrochoid) {
        s.center1x = std::cos(s.theta) * R_minus_r_;
        s.center1y = std::sin(s.theta) * R_minus_r_;
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

    if (s.theta == 0.0) {
        if (s.animate) circles_.drawcircles(window, s.R, s.r, 0);
        s.pt[0] = s.pt[1];
    }

    // A segment with an end off the canvas is dropped whole.
    if (onCanvas(s.pt[0], s.res) && onCanvas(s.pt[1], s.res)) {
        const Colorref color = s.multicolor ? s.crpalette[paletteIndex(s)] : s.fore;
        canvas_.line(s.pt[0], s.pt[1], s.width, color);
        // While the circles are animated, their frames bring the segment to the window.
        const bool framesShowIt = s.animate && t != rhodoneaIrrational;
        if (!framesShowIt && s.pt[0].x < visible.right && s.pt[1].x < visible.right &&
            s.pt[0].y < visible.bottom && s.pt[1].y < visible.bottom)
            window.line(s.pt[0], s.pt[1], s.width, color);
    }

    s.pt[0] = s.pt[1];
    s.theta += s.increment;
    if (t == epitrochoid) s.delta = -R_over_r_plus_1_ * s.theta;
    if (t == hypotrochoid) s.delta = R_over_r_minus_1_ * s.theta;

    if (s.animate && t != rhodoneaIrrational) circles_.drawcircles(window, s.R, s.r, 1);
    if (s.speed != 0) platform_.sleepMs(s.speed);
    if (s.ellipse && t <= hypotrochoid) stepEllipse();

    if (s.theta >= s.st[t]) {
        s.theta = 0.0;
        s.newcurve = 1;
        s.okroulette = 0;
        if (s.animate && t <= hypotrochoid) circles_.drawcircles(window, s.R, s.r, 2);
        platform_.setCursor(CursorShape::cross);
    }
    return 0;
}

void Renderer::setUpCurve()
{
    CurveState& s = state_;
    s.clearflag = 0;
    s.newcurve = 0;
    s.delta = 0.0;
    s.theta = 0.0;
    platform_.setCursor(CursorShape::wait);

    const int t = s.type;
    s.R = s.halfres * s.Rpct[t] * 0.01;
    s.r = s.halfres * s.rpct[t] * 0.01;
    s.d = s.halfres * s.dpct[t] * 0.01;
    R_plus_r_ = s.R + s.r;
    R_minus_r_ = s.R - s.r;
    R_over_r_plus_1_ = s.R / s.r + 1;
    R_over_r_minus_1_ = s.R / s.r - 1;

    if (t == epitrochoid || t == hypotrochoid) {
        // R / r = rotations / revolutions in lowest terms; the curve closes after
        // `revolutions` turns of theta.
        const int g = gcd(s.Rpct[t], s.rpct[t]);
        revolutions_ = s.rpct[t] / g;
        rotations_ = s.Rpct[t] / g;
        s.st[t] = revolutions_ * twoPi;
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

    if (s.ellipse && t <= hypotrochoid) setUpEllipse();
    if (s.debug) showClosure();
}

void Renderer::setUpEllipse()
{
    CurveState& s = state_;
    const int t = s.type;
    epsilon_ = 0.0;
    const double ratio = static_cast<double>(s.en) / s.ed;
    if (s.method == actualEllipse) {
        s.a = s.r;
        s.b = s.r * ratio;
        b_over_a_ = s.b / s.a;
        c_ = std::sqrt(s.a * s.a - s.b * s.b);
        e_ = c_ / s.a;
        e_squared_ = e_ * e_;
        // Ramanujan's approximation of the ellipse's circumference.
        const double circ = pi * (3 * (s.a + s.b) - std::sqrt((s.a + 3 * s.b) * (3 * s.a + s.b)));
        const double Rcirc = twoPi * s.R;
        circratio_ = Rcirc / circ;
        // Round the ratio to the nearest 1 / rounding, an exact half going up. An ellipse
        // much larger than the fixed circle would round to 0, which has no closure: the
        // curve would end after one dot. It gets the smallest step, 1 / rounding, instead.
        const double t1 = s.rounding * circratio_;
        const double fl = std::floor(t1);
        const double cl = std::ceil(t1);
        const double t2 = std::max(cl - t1 > t1 - fl ? fl : cl, 1.0);
        circratio_ = t2 / s.rounding;
        const int g = gcd(truncToInt(t2), s.rounding);
        revolutions_ = s.rounding / g;
        rotations_ = truncToInt(t2) / g;
        s.st[t] = revolutions_ * twoPi;
    } else if (s.method == circleVaryingR) {
        s.a = s.r;
        s.b = s.r * ratio;
        et_ = s.R / s.r * s.increment;
    } else {
        // A pen distance below one pixel would collapse the ellipse to a point.
        if (s.d < 1.0) s.d = 0.1;
        s.a = s.d;
        s.b = s.d * ratio;
        et_ = s.R / s.r * s.increment;
    }
}

void Renderer::showClosure()
{
    const CurveState& s = state_;
    std::string text;
    if (s.type == epitrochoid || s.type == hypotrochoid) {
        text = "revolutions: " + decimalText(revolutions_) + "\nrotations: " + decimalText(rotations_);
    } else if (s.type == rhodoneaRational) {
        const bool bothOdd = s.kn[2] % 2 == 1 && s.kd[2] % 2 == 1;
        text = "kn: " + decimalText(s.kn[2]) + "\nkd: " + decimalText(s.kd[2]) + "\nk: " + fixedText(s.k, 10) +
               "\ntotal radians: " + decimalText(bothOdd ? s.kd[2] : 2 * s.kd[2]) + " * PI";
    } else {
        text = "k: " + fixedText(s.k, 10) + "\nkn: " + decimalText(s.kn[3]) +
               "\ntotal radians: " + decimalTextOrEmpty(2LL * s.kn[3]) + " * PI";
    }
    platform_.showInformation(text, "Vell Varezuro");
}

void Renderer::stepEllipse()
{
    CurveState& s = state_;
    const int t = s.type;
    if (s.method == actualEllipse) {
        const double T = circratio_ * s.theta;
        const double sinT = std::sin(T);
        double E = T;
        // atan gives the angle on the principal branch; put it on the branch of T.
        if (sinT != 0.0 && std::fabs(sinT) != 1.0)
            E = std::atan(std::tan(T) * b_over_a_) + std::floor((T + halfPi) * (1 / pi)) * pi;
        epsilon_ = E + (T - E) * 0.5;
        const double rho = E + (T - E) * (t == epitrochoid ? 1.25 : 0.625);
        const double sinRho = std::sin(rho);
        s.r = (s.a + s.b) - s.a * std::sqrt((1 - e_squared_) / (1 - e_squared_ * sinRho * sinRho));
        R_plus_r_ = s.R + s.r;
        R_minus_r_ = s.R - s.r;
    } else if (s.method == circleVaryingR) {
        epsilon_ += et_;
        const double mx = s.a * std::cos(epsilon_);
        const double my = s.b * std::sin(epsilon_);
        s.r = std::sqrt(mx * mx + my * my);
        R_plus_r_ = s.R + s.r;
        R_minus_r_ = s.R - s.r;
    } else {
        epsilon_ += et_;
        const double bc = s.b * std::cos(epsilon_);
        const double as = s.a * std::sin(epsilon_);
        s.d = s.a * s.b / std::sqrt(bc * bc + as * as);
    }
    s.delta = t == epitrochoid ? epsilon_ + s.theta : epsilon_ - s.theta;
}

}  // namespace trochograph
