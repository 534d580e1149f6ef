#include "rolling_ellipse.h"

#include <algorithm>
#include <cmath>

#include "common/trunc_int.h"

namespace trochograph::pictures {

namespace {

constexpr double halfPi = 1.5707963267948966;

// How fast the outline's arc length grows with the parameter t.
double speed(double a, double b, double t) { return std::hypot(a * std::sin(t), b * std::cos(t)); }

// The direction of the outward normal at t, continuous in t: the normal (b cos t, a sin t)
// never lies a quarter turn or more away from (cos t, sin t).
double normalAngle(double a, double b, double t)
{
    const double s = std::sin(t), c = std::cos(t);
    return t + std::atan2((a - b) * s * c, b * c * c + a * s * s);
}

EllipsePose poseAt(double a, double b, double t, double rolled)
{
    EllipsePose pose;
    pose.t = t;
    // Turned so that the outward normal at the contact points straight down.
    pose.turn = -halfPi - normalAngle(a, b, t);
    const Vec contact{a * std::cos(t), b * std::sin(t)};
    const Vec offset = polar(lengthOf(contact), angleOf(contact) + pose.turn);
    pose.centre = Vec{rolled, 0.0} - offset;
    return pose;
}

}  // namespace

Vec EllipsePose::place(Vec own) const { return centre + polar(lengthOf(own), angleOf(own) + turn); }

std::vector<EllipsePose> rollEllipse(double a, double b, double from, double to, double step)
{
    // The arc length from t0 to t1, in as many equal steps as `step` asks for.
    auto arc = [&](double t0, double t1) {
        const int n = std::max(1, truncToInt(std::ceil(std::fabs(t1 - t0) / step)));
        double length = 0.0;
        for (int i = 0; i < n; ++i) {
            const double u0 = t0 + (t1 - t0) * i / n, u1 = t0 + (t1 - t0) * (i + 1) / n;
            length += (u1 - u0) / 6 * (speed(a, b, u0) + 4 * speed(a, b, (u0 + u1) / 2) + speed(a, b, u1));
        }
        return length;
    };
    const int steps = std::max(1, truncToInt(std::ceil((to - from) / step)));
    std::vector<EllipsePose> poses;
    poses.reserve(steps + 1);
    double rolled = arc(-halfPi, from);
    poses.push_back(poseAt(a, b, from, rolled));
    for (int i = 1; i <= steps; ++i) {
        const double t0 = from + (to - from) * (i - 1) / steps, t1 = from + (to - from) * i / steps;
        rolled += arc(t0, t1);
        poses.push_back(poseAt(a, b, t1, rolled));
    }
    return poses;
}

}  // namespace trochograph::pictures
