#include "dialogs/ellipse_options_form.h"

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

EllipseOptionsForm::EllipseOptionsForm(const CurveParameters& parameters) : CurveForm(layout, parameters)
{
    select(firstMethod + parameters.method);
    // An action, not a setting: unticked at every opening.
    check(focusBox, false);
    enable(focusBox, focusApplies(parameters.method));
}

void EllipseOptionsForm::clicked(int id)
{
    if (id >= firstMethod && id <= lastMethod) enable(focusBox, focusApplies(id - firstMethod));
}

CurveReading EllipseOptionsForm::read(const Confirm&) const
{
    CurveReading reading{CurveEdit{opened()}};
    CurveEdit& e = reading.edit;
    // Read even when disabled: a tick made before choosing "d varies" still acts. The
    // focus is found from the moving radius as last computed, which the curve's progress
    // holds: the window does it.
    e.focalDistance = checked(focusBox);
    if (const int chosen = selected(firstMethod, lastMethod); chosen >= 0)
        setRestarting(e, e.parameters.method, chosen - firstMethod);
    return reading;
}

}  // namespace trochograph
