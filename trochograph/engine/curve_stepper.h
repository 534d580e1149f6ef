// The arithmetic of a curve, one step at a time: the set-up, and the step that puts the pen
// at the current angle, hands its segment to a sink and moves the angle on (the rolling
// ellipse included). The live renderer and the replay of a drawing record both draw
// through step(), so both give the same segments.
#pragma once

#include "engine/curve_state.h"
#include "engine/segment_sink.h"

namespace trochograph {

// The angle after which the rose of k = kn / kd, in lowest terms, closes, in half turns:
// kd when both are odd (each petal is drawn twice in a full turn), else 2 kd.
constexpr int roseClosingHalfTurns(int kn, int kd) { return kn % 2 == 1 && kd % 2 == 1 ? kd : 2 * kd; }

// What the stepper keeps between steps besides the curve's progress.
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

    friend bool operator==(const StepperMemory&, const StepperMemory&) = default;
};

class CurveStepper {
public:
    CurveStepper(CurveParameters& parameters, CurveProgress& progress, StepperMemory& memory)
        : p_(parameters), g_(progress), m_(memory)
    {
    }

    // A new curve from angle 0: pixel radii from the percentages, the closing angle (a
    // rational rose's k is reduced in the parameters), the ellipse.
    void setUp();
    // One step: the pen to the current angle, the segment from the last point to it to
    // `sink` when both ends lie on the canvas, the angle on by the increment, then
    // sink.advanced(), then the rolling ellipse's change. True when the curve is complete.
    bool step(SegmentSink& sink)
    {
        locatePen();
        if (Segment s; segment(s)) sink.segment(s);
        advance();
        sink.advanced();
        if (p_.ellipse && p_.type <= hypotrochoid) stepEllipse();
        return g_.theta >= g_.st[p_.type];
    }

private:
    void setUpEllipse();
    void locatePen();
    bool segment(Segment& out) const;
    void advance()
    {
        g_.pt[0] = g_.pt[1];
        m_.lastX = m_.penX;
        m_.lastY = m_.penY;
        g_.theta += p_.increment;
        if (p_.type == epitrochoid) g_.delta = -m_.R_over_r_plus_1 * g_.theta;
        if (p_.type == hypotrochoid) g_.delta = m_.R_over_r_minus_1 * g_.theta;
    }
    void stepEllipse();

    CurveParameters& p_;
    CurveProgress& g_;
    StepperMemory& m_;
};

}  // namespace trochograph
