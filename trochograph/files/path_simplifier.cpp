#include "files/path_simplifier.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trochograph {

void PathSimplifier::start(PlanePoint p)
{
    anchor_ = p;
    pending_ = false;
    narrowed_ = false;
    farthest_ = 0;
}

bool PathSimplifier::reaches(PlanePoint p) const
{
    const double dx = p.x - anchor_.x, dy = p.y - anchor_.y;
    if (std::hypot(dx, dy) < farthest_) return false;
    if (!narrowed_) return true;
    const double offset = std::remainder(std::atan2(dy, dx) - base_, 2 * std::numbers::pi);
    return offset >= low_ && offset <= high_;
}

void PathSimplifier::narrow(PlanePoint p)
{
    const double dx = p.x - anchor_.x, dy = p.y - anchor_.y;
    const double distance = std::hypot(dx, dy);
    if (distance <= tolerance_) return;
    const double half = std::asin(tolerance_ / distance);
    farthest_ = std::max(farthest_, distance);
    if (!narrowed_) {
        narrowed_ = true;
        base_ = std::atan2(dy, dx);
        low_ = -half;
        high_ = half;
        return;
    }
    // `p` passed reaches(), so the bounds keep its direction between them.
    const double offset = std::remainder(std::atan2(dy, dx) - base_, 2 * std::numbers::pi);
    low_ = std::max(low_, offset - half);
    high_ = std::min(high_, offset + half);
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
