#include "dialogs/choose_k_form.h"

#include "common/trunc_int.h"
#include "engine/parameter_limits.h"

namespace trochograph {

namespace {

constexpr int frame = 410, firstK = 420, lastK = 428;

constexpr ControlTemplate radio(int i, const char* label) { return {ControlKind::radio, firstK + i, label, 16, 17 + 20 * i, 120, 12}; }

constexpr ControlTemplate controls[] = {
    {ControlKind::button, dialogOk, "OK", 16, 209, 50, 14},
    {ControlKind::button, dialogCancel, "Cancel", 97, 209, 50, 14},
    {ControlKind::groupBox, frame, "", 8, 4, 148, 197},
    // The labels of entries 3, 4 and 7 name other values than the ones stored in ki.
    radio(0, "e"),
    radio(1, "Pi"),
    radio(2, "Golden Mean"),
    radio(3, "Sqrt ( 2 )"),
    radio(4, "2 Pi / sqrt ( 23.67 )"),
    radio(5, "Sqrt ( 19 )"),
    radio(6, "Sqrt ( 0.1 )"),
    radio(7, "2 Pi / sqrt ( 101 )"),
    radio(8, "Log ( e )"),
};
static_assert(lastK - firstK + 1 == static_cast<int>(ki.size()));

}  // namespace

const DialogTemplate ChooseKForm::layout{
    dialogChooseK, "Choose Value of ' k '", "MS Sans Serif", 8, 0, 0, 163, 230, controls};

ChooseKForm::ChooseKForm(const CurveParameters& parameters) : CurveForm(layout, parameters)
{
    const int index = truncToInt(parameters.kindex);
    // A stored index always lies in the table; should one not, no button is ticked.
    if (limits::kindex.contains(index)) select(firstK + index);
}

CurveReading ChooseKForm::read(const Confirm&) const
{
    CurveReading reading{CurveEdit{opened()}};
    // No restart: the renderer takes k from kindex when the next curve starts.
    if (const int chosen = selected(firstK, lastK); chosen >= 0) reading.edit.parameters.kindex = chosen - firstK;
    return reading;
}

}  // namespace trochograph
