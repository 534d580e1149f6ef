#include "ellipse_options_form.h"

#include <cmath>

#include "curve_state.h"

namespace trochograph {

namespace {

constexpr int frame = 310, firstMethod = 320, lastMethod = 322, focusBox = 330;

constexpr ControlTemplate controls[] = {
    {ControlKind::button, dialogOk, "OK", 16, 110, 50, 14},
    {ControlKind::button, dialogCancel, "Cancel", 97, 110, 50, 14},
    {ControlKind::groupBox, frame, "", 8, 4, 148, 77},
    {ControlKind::radio, firstMethod + actualEllipse, "Use actual ellipse: starting r = a", 16, 17, 135, 12},
    {ControlKind::radio, firstMethod + circleVaryingR, "Use circle; r varies", 16, 37, 135, 12},
    {ControlKind::radio, firstMethod + circleVaryingD, "Use constant circle; d varies", 16, 57, 135, 12},
    {ControlKind::checkBox, focusBox, "Set d to focal distance", 16, 90, 120, 12},
};

// With d varying, the pen's distance is the ellipse itself: no focus to move it to.
bool focusApplies(int method) { return method != circleVaryingD; }

}  // namespace

const DialogTemplate EllipseOptionsForm::layout{
    dialogEllipseOptions, "Ellipse Options", "MS Sans Serif", 8, 0, 0, 163, 132, controls};

EllipseOptionsForm::EllipseOptionsForm(CurveState& state) : Form(layout), state_(state)
{
    select(firstMethod + state.method);
    // An action, not a setting: unticked at every opening.
    check(focusBox, false);
    enable(focusBox, focusApplies(state.method));
}

void EllipseOptionsForm::clicked(int id)
{
    if (id >= firstMethod && id <= lastMethod) enable(focusBox, focusApplies(id - firstMethod));
}

FormResult EllipseOptionsForm::press(int id, const Confirm&)
{
    if (id == dialogCancel) return FormResult::ended(dialogCancel);
    if (id != dialogOk) return FormResult::stays();
    CurveState& s = state_;
    // Read even when disabled: a tick made before choosing "d varies" still acts.
    s.focaldistance = checked(focusBox) ? 1 : 0;
    if (s.focaldistance) {
        s.focaldistance = 0;
        s.newcurve = 1;
        s.theta = 0.0;
        setDistanceToFocus(s);
    }
    if (const int chosen = selected(firstMethod, lastMethod); chosen >= 0)
        s.setRestarting(s.method, chosen - firstMethod);
    return FormResult::ended(dialogOk);
}

void setDistanceToFocus(CurveState& s)
{
    // The moving radius as last computed; before any curve or parameter change has
    // computed one, the radius the current type's percentage gives.
    const double r = s.r != 0.0 ? s.r : s.halfres * s.rpct[s.type] * 0.01;
    s.a = r;
    s.b = (static_cast<double>(s.en) / s.ed) * r;
    s.dpct[s.type] = std::sqrt(s.a * s.a - s.b * s.b) * 100 / s.halfres;
}

}  // namespace trochograph
