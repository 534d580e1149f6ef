// The arithmetic of a curve, one step at a time: set-up, the pen's place at the current
// angle, the segment it draws, and the advance to the next angle (the ellipse simulation
// included). The live renderer and the replay of a drawing record share it, so both give
// the same points.
#pragma once

#include "curve_state.h"
#include "segment_sink.h"

namespace trochograph {

// What the stepper keeps between steps besides the curve state.
struct StepperMemory {
    double R_plus_r = 0.0, R_minus_r = 0.0;
    double R_over_r_plus_1 = 0.0, R_over_r_minus_1 = 0.0;
    int revolutions = 0, rotations = 0;  // the closure of the last set-up
    // Ellipse method 0.
    double c = 0.0, e = 0.0, e_squared = 0.0, b_over_a = 0.0, circratio = 0.0;
    // Ellipse methods 1 and 2.
    double et = 0.0;
    double epsilon = 0.0;
    // The pen's exact place in canvas coordinates, now and one step before.
    double penX = 0.0, penY = 0.0, lastX = 0.0, lastY = 0.0;
};

class CurveStepper {
public:
    CurveStepper(CurveState& state, StepperMemory& memory) : s_(state), m_(memory) {}

    // A new curve: pixel radii from the percentages, the closing angle, the ellipse.
    void setUp();
    // Puts the pen at the current angle (s.pt[1]); at angle 0 the last point is the pen's.
    void locatePen();
    // The segment from the last point to the pen into `out`, when both ends lie on the
    // canvas; a segment with an end off the canvas is dropped whole (false).
    bool segment(Segment& out) const;
    // The pen's point becomes the last one and the angle moves on by the increment.
    void advance()
    {
        s_.pt[0] = s_.pt[1];
        m_.lastX = m_.penX;
        m_.lastY = m_.penY;
        s_.theta += s_.increment;
        if (s_.type == epitrochoid) s_.delta = -m_.R_over_r_plus_1 * s_.theta;
        if (s_.type == hypotrochoid) s_.delta = m_.R_over_r_minus_1 * s_.theta;
    }
    // The rolling ellipse's change of r, d and delta for the new angle (types 0 and 1).
    void stepEllipse();
    bool ellipseActive() const { return s_.ellipse && s_.type <= hypotrochoid; }
    // Whether the angle has reached the closing angle.
    bool closed() const { return s_.theta >= s_.st[s_.type]; }

private:
    void setUpEllipse();

    CurveState& s_;
    StepperMemory& m_;
};

}  // namespace trochograph
