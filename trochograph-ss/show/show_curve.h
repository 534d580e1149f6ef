// The curves of the show: a preset's set-up, its centres and point at the current angles,
// how the angles advance, and the colour of each segment.
#pragma once

#include "common/colorref.h"
#include "show/show_state.h"

namespace trochograph {

// How far theta moves from one point to the next.
constexpr double thetaStep = 0.005;

// Where preset `index` stops: four presets have their own angle, every other closes after
// r1 / gcd(R, r1) turns of theta, from the table's percentages.
double stopAngle(int index, const PARAM& p);

// Starts a curve of the current preset: the angles back to 0, the sizes in pixels and
// their sums and ratios, k and the stop angle.
void setUpPreset(ShowState& s);

struct CurvePoint {
    double x = 0.0;
    double y = 0.0;
};

// Sets the moving centres for theta, gamma and delta and returns the pen's point, both
// relative to the canvas centre; for preset 5 the point and the first centre are turned
// by rtheta about it.
CurvePoint curvePoint(ShowState& s);

// Moves theta on by one step; gamma and delta follow it.
void advanceAngles(ShowState& s);

// A solid colour at odd colour indices, else the palette once through over the curve.
Colorref segmentColor(const ShowState& s);

}  // namespace trochograph
