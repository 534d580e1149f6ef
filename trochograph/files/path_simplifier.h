// Drops the points of a path that a straight line between the points kept passes within a
// tolerance of, one point at a time, so that machine files stay small however finely the
// curve was stepped. Each dropped point lies within the tolerance of the kept segment it
// falls under, and so does the path between them, since the points within a distance of a
// segment make a convex set; the kept segment also stays within the tolerance of the path.
//
// The test is a sleeve from the last kept point: every point since narrows the directions
// a segment from it may take to those passing within the tolerance of the point, and a
// segment may only end at least as far out as every point it replaces, so that none lies
// beyond its end. Constant work a point (a square root, no angles), and no memory of the
// points passed.
#pragma once

#include <optional>

namespace trochograph {

struct PlanePoint {
    double x = 0, y = 0;
    friend bool operator==(const PlanePoint&, const PlanePoint&) = default;
};

class PathSimplifier {
public:
    explicit PathSimplifier(double tolerance) : tolerance_(tolerance) {}

    // A new path begins at `p`, which is kept; any point of the last path is forgotten.
    void start(PlanePoint p);
    // The path goes on to `p`. Returns the point now known to be kept, if any: the one
    // before `p` when the segment from the last kept point can't reach `p`.
    std::optional<PlanePoint> add(PlanePoint p);
    // The path ends: its last point, if it has one after the start.
    std::optional<PlanePoint> finish();

private:
    bool reaches(PlanePoint p) const;
    void narrow(PlanePoint p);

    double tolerance_;
    PlanePoint anchor_;  // the last point kept
    PlanePoint last_;    // the last point given, not yet kept
    bool pending_ = false;
    bool narrowed_ = false;  // a point farther than the tolerance constrains the direction
    // The sleeve's clockwise and anticlockwise bounds as directions; they lie less than
    // half a turn apart, so cross products order them without an angle.
    PlanePoint low_, high_;
    double farthest2_ = 0;  // the square of the distance of the farthest point narrowing it
};

}  // namespace trochograph
