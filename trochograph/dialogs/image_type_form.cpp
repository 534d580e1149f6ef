#include "dialogs/image_type_form.h"

namespace trochograph {

namespace {

constexpr int frame = 210, firstType = 220, lastType = 223, ellipseBox = 230;

constexpr ControlTemplate controls[] = {
    {ControlKind::button, dialogOk, "OK", 16, 130, 50, 14},
    {ControlKind::button, dialogCancel, "Cancel", 97, 130, 50, 14},
    {ControlKind::groupBox, frame, "", 8, 4, 148, 97},
    {ControlKind::radio, firstType + epitrochoid, "Epicycloid / Epitrochoid", 16, 17, 120, 12},
    {ControlKind::radio, firstType + hypotrochoid, "Hypocycloid / Hypotrochoid", 16, 37, 120, 12},
    {ControlKind::radio, firstType + rhodoneaRational, "Rhodonea - rational k", 16, 57, 120, 12},
    {ControlKind::radio, firstType + rhodoneaIrrational, "Rhodonea - irrational k", 16, 77, 120, 12},
    {ControlKind::checkBox, ellipseBox, "simulate moving ellipse", 16, 110, 120, 12},
};

// Only the trochoids can roll an ellipse.
bool takesEllipse(int type) { return type == epitrochoid || type == hypotrochoid; }

}  // namespace

const DialogTemplate ImageTypeForm::layout{
    dialogImageType, "Choose Image Type", "MS Sans Serif", 8, 0, 0, 163, 152, controls};

ImageTypeForm::ImageTypeForm(const CurveParameters& parameters, bool firstIrrationalRose)
    : CurveForm(layout, parameters), firstIrrationalRose_(firstIrrationalRose)
{
    select(firstType + parameters.type);
    check(ellipseBox, parameters.ellipse == 1);
    // Disabling keeps the tick, which OK then ignores for the roses.
    enable(ellipseBox, takesEllipse(parameters.type));
}

void ImageTypeForm::clicked(int id)
{
    if (id >= firstType && id <= lastType) enable(ellipseBox, takesEllipse(id - firstType));
}

CurveReading ImageTypeForm::read(const Confirm&) const
{
    CurveReading reading{CurveEdit{opened()}};
    CurveEdit& e = reading.edit;
    CurveParameters& p = e.parameters;
    // Another moving piece sets the curve up again, from the angle it has reached.
    const int ellipse = checked(ellipseBox) ? 1 : 0;
    if (ellipse != p.ellipse) e.newCurve = true;
    p.ellipse = ellipse;
    if (const int chosen = selected(firstType, lastType); chosen >= 0) setRestarting(e, p.type, chosen - firstType);
    if (!takesEllipse(p.type)) p.ellipse = 0;
    if (p.type == rhodoneaIrrational && firstIrrationalRose_) p.kn[rhodoneaIrrational] = 21;
    return reading;
}

}  // namespace trochograph
