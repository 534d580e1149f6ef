#include "dialogs/colors_form.h"

#include "common/c_numbers.h"
#include "dialogs/parameters_form.h"
#include "engine/parameter_limits.h"

namespace trochograph {

namespace {

constexpr int firstComponent = 630, lastComponent = 635, multicolorBox = 640;

constexpr ControlTemplate component(int id, int y) { return {ControlKind::edit, id, "", 64, y, 80, 12}; }
constexpr ControlTemplate label(const char* text, int y) { return {ControlKind::label, 0, text, 12, y, 24, 8}; }

constexpr ControlTemplate controls[] = {
    {ControlKind::button, dialogOk, "OK", 12, 160, 50, 14},
    {ControlKind::button, dialogCancel, "Cancel", 94, 160, 50, 14},
    {ControlKind::groupBox, 610, " Image ", 6, 4, 144, 82},
    {ControlKind::groupBox, 620, " Background ", 6, 90, 144, 64},
    component(630, 16), component(631, 34), component(632, 52),
    component(633, 102), component(634, 120), component(635, 138),
    {ControlKind::checkBox, multicolorBox, "draw multicolored image instead", 12, 70, 120, 12},
    label("red:", 18), label("green:", 36), label("blue:", 54),
    label("red:", 104), label("green:", 122), label("blue:", 140),
};

// The components in box order.
template <class Parameters>
auto* components(Parameters& s, int i)
{
    decltype(&s.rfore) const fields[] = {&s.rfore, &s.gfore, &s.bfore, &s.rback, &s.gback, &s.bback};
    return fields[i];
}

}  // namespace

const DialogTemplate ColorsForm::layout{
    dialogColors, "Choose Colors ( 0 - 255 )", "MS Sans Serif", 8, 0, 0, 155, 182, controls};

ColorsForm::ColorsForm(const CurveParameters& parameters) : CurveForm(layout, parameters)
{
    for (int id = firstComponent; id <= lastComponent; ++id)
        show(id, decimalText(*components(parameters, id - firstComponent)));
    check(multicolorBox, parameters.multicolor == 1);
}

std::vector<ColorFields> ColorsForm::colorFields() const
{
    return {{"Image", firstComponent, firstComponent + 1, firstComponent + 2},
            {"Background", firstComponent + 3, firstComponent + 4, firstComponent + 5}};
}

CurveReading ColorsForm::read(const Confirm&) const
{
    CurveReading reading{CurveEdit{opened()}};
    CurveParameters& p = reading.edit.parameters;
    p.multicolor = checked(multicolorBox) ? 1 : 0;
    for (int box = firstComponent; box <= lastComponent; ++box) {
        const int value = readInt(entry(box));
        if (!limits::colorComponent.contains(value)) {
            reading.failed = parameterError(colorRangeError);
            return reading;
        }
        *components(p, box - firstComponent) = value;
    }
    p.fore = rgb(p.rfore, p.gfore, p.bfore);
    p.back = rgb(p.rback, p.gback, p.bback);
    return reading;
}

}  // namespace trochograph
