#include "renderer.h"

#include <cassert>
#include <string>

#include "c_numbers.h"
#include "circle_animation.h"
#include "drawing_record.h"
#include "curve_state.h"
#include "engine_platform.h"
#include "surface.h"

namespace trochograph {

Renderer::Renderer(CurveState& state, Surface& canvas, EnginePlatform& platform, CircleAnimation& circles,
                   DrawingRecord* record)
    : state_(state),
      canvas_(canvas),
      canvasSink_(canvas),
      platform_(platform),
      circles_(circles),
      record_(record),
      stepper_(state, memory_)
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
        if (record_) record_->clear(s.res, s.back);
    }
    const bool setUp = s.newcurve != 0;
    if (setUp) {
        platform_.setCursor(CursorShape::wait);
        stepper_.setUp();
        if (s.debug) showClosure();
    }
    if (record_) record_->beforeStep(s, memory_, setUp);

    const int t = s.type;
    stepper_.locatePen();
    if (s.theta == 0.0 && s.animate) circles_.drawcircles(window, s.R, s.r, 0);

    if (Segment segment; stepper_.segment(segment)) {
        canvasSink_.segment(segment);
        // While the circles are animated, their frames bring the segment to the window.
        const bool framesShowIt = s.animate && t != rhodoneaIrrational;
        if (!framesShowIt && s.pt[0].x < visible.right && s.pt[1].x < visible.right &&
            s.pt[0].y < visible.bottom && s.pt[1].y < visible.bottom)
            window.line(s.pt[0], s.pt[1], s.width, segment.color);
    }
    stepper_.advance();

    if (s.animate && t != rhodoneaIrrational) circles_.drawcircles(window, s.R, s.r, 1);
    if (s.speed != 0) platform_.sleepMs(s.speed);
    if (stepper_.ellipseActive()) stepper_.stepEllipse();

    if (stepper_.closed()) {
        s.theta = 0.0;
        s.newcurve = 1;
        s.okroulette = 0;
        if (s.animate && t <= hypotrochoid) circles_.drawcircles(window, s.R, s.r, 2);
        platform_.setCursor(CursorShape::cross);
    }
    if (record_) record_->afterStep(s);
    return 0;
}

void Renderer::showClosure()
{
    const CurveState& s = state_;
    std::string text;
    if (s.type == epitrochoid || s.type == hypotrochoid) {
        text = "revolutions: " + decimalText(memory_.revolutions) + "\nrotations: " + decimalText(memory_.rotations);
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

}  // namespace trochograph
