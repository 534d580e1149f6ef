#include "files/path_simplifier.h"

#include <algorithm>
#include <cmath>

namespace trochograph {

namespace {

double cross(PlanePoint a, PlanePoint b) { return a.x * b.y - a.y * b.x; }

}  // namespace

void PathSimplifier::start(PlanePoint p)
{
    anchor_ = p;
    pending_ = false;
    narrowed_ = false;
    farthest2_ = 0;
}

bool PathSimplifier::reaches(PlanePoint p) const
{
    const PlanePoint d{p.x - anchor_.x, p.y - anchor_.y};
    if (d.x * d.x + d.y * d.y < farthest2_) return false;
    return !narrowed_ || (cross(low_, d) >= 0 && cross(d, high_) >= 0);
}

void PathSimplifier::narrow(PlanePoint p)
{
    const PlanePoint d{p.x - anchor_.x, p.y - anchor_.y};
    const double distance2 = d.x * d.x + d.y * d.y;
    if (distance2 <= tolerance_ * tolerance_) return;
    farthest2_ = std::max(farthest2_, distance2);
    // The directions within the tolerance of `p`: its own turned either way by the angle
    // whose sine is tolerance / distance.
    const double distance = std::sqrt(distance2);
    const double sine = tolerance_ / distance, cosine = std::sqrt(1 - sine * sine);
    const PlanePoint u{d.x / distance, d.y / distance};
    const PlanePoint low{u.x * cosine + u.y * sine, u.y * cosine - u.x * sine};
    const PlanePoint high{u.x * cosine - u.y * sine, u.y * cosine + u.x * sine};
    if (!narrowed_) {
        narrowed_ = true;
        low_ = low;
        high_ = high;
        return;
    }
    // `p` passed reaches(), so both sleeves hold its direction and the narrower bound wins.
    if (cross(low_, low) > 0) low_ = low;
    if (cross(high, high_) > 0) high_ = high;
}

std::optional<PlanePoint> PathSimplifier::add(PlanePoint p)
{
    std::optional<PlanePoint> kept;
    if (pending_ && !reaches(p)) {
        kept = last_;
        start(last_);
    }
    last_ = p;
    pending_ = true;
    narrow(p);
    return kept;
}

std::optional<PlanePoint> PathSimplifier::finish()
{
    if (!pending_) return std::nullopt;
    pending_ = false;
    return last_;
}

}  // namespace trochograph
