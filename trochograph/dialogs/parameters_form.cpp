#include "dialogs/parameters_form.h"

#include <cmath>
#include <cstdlib>

#include "common/c_numbers.h"
#include "common/trunc_int.h"
#include "engine/parameter_limits.h"
#include "engine/rotate.h"

namespace trochograph {

constexpr std::array<const char*, 13> paramnames = {
    "image resolution ( pixels )",
    "line width ( pixels )",
    "R: fixed circle radius ( 5 - 100 % )",
    "r: moving circle radius ( 5 - 100 % )",
    "d: moving circle drawing distance ( 0 - 100 % )",
    "scale factor ( 0.1 - 5.0 ) ",
    "rotation offset angle ( 0 - 359 degrees )",
    "relative rendering speed ( 1 - 10 )",
    " ",
    "kd: rhodonea petal factor denominator ( 1 - 16 )",
    "en: minor ( 1 - 100 - must be < = major )",
    "ed: major ( 1 - 100 - must be > = minor )",
    "rounding factor:   nearest  1 / X   ( 0 - 10 )   0 = none",
};

const std::array<const char*, 13> paramerror = {
    "resolution range: 100 - 9600 pixels",
    "line width range: 1 - 5 pixels",
    "R and r percent range: 5 - 100",
    "d percent range: 0 - 100",
    "scale range: 0.1 - 5.0",
    "offset angle range: 0 - 359",
    "speed range: 1 - 10",
    "petal factor range: 1 - 16",
    "circuit range: 1 - 100",
    "axis range: 1 - 100; minor must be <= major",
    "denominator range: 0 - 10)",
    "hypotrochoid: R and r should not be equal",
    "color range: 0 - 255",
};

Message parameterError(int error)
{
    return {paramerror.at(static_cast<std::size_t>(error)), "Parameter Error", MessageIcon::warning,
            MessageButtons::ok, true};
}

namespace {

// The rows: edit box ids, label ids 570 + row.
enum Row : int { resolution, lineWidth, bigR, smallR, distance, scale, angle, speed, kn, kd, en, ed, rounding };
constexpr int editIds[] = {510, 515, 520, 525, 530, 535, 540, 545, 550, 555, 560, 565, 568};
constexpr int editY[] = {12, 30, 68, 86, 104, 140, 158, 176, 194, 212, 252, 270, 288};
constexpr int labelId(int row) { return 570 + row; }
constexpr int boxOf(Row row) { return editIds[row]; }
constexpr int restoreBox = 595;

enum RuleError : int {
    resolutionError, lineWidthError, radiusError, distanceError, scaleError, angleError, speedError,
    petalError, circuitError, axisError, roundingError, equalRadiiError,
};

constexpr ControlTemplate editBox(int row) { return {ControlKind::edit, editIds[row], "", 184, editY[row], 80, 12}; }
constexpr ControlTemplate label(int row)
{
    return {ControlKind::label, labelId(row), paramnames[row], 12, editY[row] + 2, row == rounding ? 170 : 150, 8};
}

constexpr ControlTemplate controls[] = {
    {ControlKind::button, dialogOk, "OK", 12, 330, 50, 14},
    {ControlKind::button, dialogCancel, "Cancel", 214, 330, 50, 14},
    {ControlKind::groupBox, 505, "", 6, 2, 264, 230},
    {ControlKind::groupBox, 585, "   enter radial values as percentage ( of half the image resolution )   ", 6, 50, 264, 78},
    {ControlKind::groupBox, 590, "   ellipse mode:   ratio of minor axis to major axis;   circumference rounding   ", 6, 238,
     264, 70},
    editBox(0), editBox(1), editBox(2), editBox(3), editBox(4), editBox(5), editBox(6),
    editBox(7), editBox(8), editBox(9), editBox(10), editBox(11), editBox(12),
    {ControlKind::checkBox, restoreBox, "restore default parameters on OK", 12, 312, 120, 12},
    label(0), label(1), label(2), label(3), label(4), label(5), label(6),
    label(7), label(8), label(9), label(10), label(11), label(12),
};

}  // namespace

const DialogTemplate ParametersForm::layout{
    dialogParameters, " Image Parameters", "MS Sans Serif", 8, 0, 0, 275, 352, controls};

ParametersForm::ParametersForm(const CurveParameters& parameters) : CurveForm(layout, parameters)
{
    const CurveParameters& s = parameters;
    const int t = s.type;
    show(labelId(kn), t == rhodoneaIrrational ? "rhodonea fixed circle circuits ( 1 - 100 )"
                                              : "kn: rhodonea petal factor numerator ( 1 - 16 )");

    show(boxOf(resolution), decimalText(s.res));
    show(boxOf(lineWidth), decimalText(s.width));
    show(boxOf(bigR), decimalText(s.Rpct[t]));
    show(boxOf(smallR), decimalText(s.rpct[t]));
    show(boxOf(distance), fixedText(s.dpct[t], 10));
    show(boxOf(scale), fixedText(s.scale[t], 10));
    show(boxOf(angle), fixedText(s.rottheta * 360 * (1 / twoPi), 10));
    show(boxOf(speed), decimalTextOrEmpty(relativeSpeed(s.speed)));
    show(boxOf(kn), decimalTextOrEmpty(s.kn[t]));
    show(boxOf(kd), decimalTextOrEmpty(s.kd[t]));
    show(boxOf(en), decimalTextOrEmpty(s.en));
    show(boxOf(ed), decimalTextOrEmpty(s.ed));
    show(boxOf(rounding), decimalTextOrEmpty(s.rounding == noRounding ? 0 : s.rounding));

    // Only the boxes the current type and ellipse mode use are open for typing.
    const bool trochoid = t == epitrochoid || t == hypotrochoid;
    enable(boxOf(smallR), trochoid);
    enable(boxOf(distance), trochoid);
    enable(boxOf(kn), !trochoid);
    enable(boxOf(kd), t == rhodoneaRational);
    enable(boxOf(en), s.ellipse == 1);
    enable(boxOf(ed), s.ellipse == 1);
    enable(boxOf(rounding), s.ellipse == 1 && s.method == actualEllipse);
    check(restoreBox, false);
}

CurveReading ParametersForm::read(const Confirm& confirm) const
{
    CurveReading reading{CurveEdit{opened()}};
    CurveEdit& e = reading.edit;
    CurveParameters& s = e.parameters;
    const int t = s.type;
    // Disabled boxes are read and checked like the others.
    auto whole = [&](Row row) { return readInt(entry(boxOf(row))); };
    auto real = [&](Row row) { return readReal(entry(boxOf(row))); };
    auto fail = [&](RuleError error) {
        reading.failed = parameterError(error);
        return std::move(reading);
    };

    // A new side stored here stays in force whatever follows: the window then builds a
    // canvas of that side, even if the user cancels after a later row failed.
    const int res = whole(resolution);
    if (!limits::resolution.contains(res)) return fail(resolutionError);
    s.res = res;

    const int width = whole(lineWidth);
    if (!limits::lineWidth.contains(width)) return fail(lineWidthError);
    s.width = width;

    // The radii wait until every row has passed.
    const int Rtemp = whole(bigR);
    if (!limits::radiusPercent.contains(Rtemp)) return fail(radiusError);
    const int rtemp = whole(smallR);
    if (!limits::radiusPercent.contains(rtemp)) return fail(radiusError);
    const double dtemp = real(distance);
    if (!limits::distancePercent.contains(dtemp)) return fail(distanceError);

    const double factor = real(scale);
    if (!limits::scale.contains(factor)) return fail(scaleError);
    setRestarting(e, s.scale[t], factor);

    const double degrees = real(angle);
    if (!limits::offsetAngle.contains(degrees)) return fail(angleError);
    s.dbtheta = degrees;
    s.rottheta = s.dbtheta * twoPi * (1.0 / 360);

    const int v = whole(speed);
    if (!limits::relativeSpeed.contains(v)) return fail(speedError);
    s.speed = speedDelay(v);

    const int knValue = whole(kn);
    if (const auto range = limits::kn(t); range && !range->contains(knValue))
        return fail(t == rhodoneaIrrational ? circuitError : petalError);
    setRestarting(e, s.kn[t], knValue);

    const int kdValue = whole(kd);
    if (!limits::petalFactor.contains(kdValue)) return fail(petalError);
    setRestarting(e, s.kd[t], kdValue);

    const int minor = whole(en);
    if (!limits::axis.contains(minor)) return fail(axisError);
    const int major = whole(ed);
    if (!limits::axis.contains(major) || !limits::axesInOrder(minor, major)) return fail(axisError);
    s.en = minor;
    s.ed = major;

    const int denominator = whole(rounding);
    if (!limits::rounding.contains(denominator)) return fail(roundingError);
    s.rounding = denominator == 0 ? noRounding : denominator;

    // Radii that may carry the curve past the picture's edge are allowed, once asked.
    const int d = truncToInt(dtemp);
    const bool mayLeave = (t == epitrochoid && d + Rtemp + rtemp > 99) ||
                          (t == hypotrochoid && d + std::abs(Rtemp - rtemp) > 99);
    if (mayLeave && !confirm({"Part(s) of curve may lie outside of\n   image borders. Proceed anyway ?", "Vell Varezuro",
                              MessageIcon::warning, MessageButtons::yesNo, true})) {
        reading.declined = true;
        return reading;
    }
    if (!limits::radiiDiffer(t, Rtemp, rtemp)) return fail(equalRadiiError);

    s.Rpct[t] = Rtemp;
    s.rpct[t] = rtemp;
    s.dpct[t] = dtemp;
    e.radii = true;
    e.restoreDefaults = checked(restoreBox);
    return reading;
}

}  // namespace trochograph
