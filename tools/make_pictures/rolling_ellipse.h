// An ellipse rolling without slipping along a straight line, worked out numerically: its
// contact point moves along the line by the arc length the ellipse has rolled over.
#pragma once

#include <vector>

#include "diagram.h"

namespace trochograph::pictures {

// Where the ellipse stands when the point of parameter t, (a cos t, b sin t) in the
// ellipse's own frame, touches the line.
struct EllipsePose {
    double t = 0.0;
    Vec centre;
    // The direction of the major axis, counterclockwise from the line.
    double turn = 0.0;

    // A point given in the ellipse's own frame, where it is in the plane.
    Vec place(Vec own) const;
};

// The ellipse with semi-axes a >= b rolling to the right along the x axis, above it, as t
// grows from `from` to `to` in steps of at most `step`. It rests on the end of its minor
// axis, (0, -b) of its own frame, at x = 0 when t = -pi/2. The arc length is integrated by
// Simpson's rule over each step.
std::vector<EllipsePose> rollEllipse(double a, double b, double from, double to, double step);

}  // namespace trochograph::pictures
