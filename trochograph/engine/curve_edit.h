// What a curve form wants done once it has closed, and the one way of doing it to a curve
// state: the window does it to its engine, the dialogs' preview to a copy.
#pragma once

#include "engine/curve_state.h"
#include "engine/restore_values.h"

namespace trochograph {

struct CurveEdit {
    CurveParameters parameters;    // the values in force from now on, a new canvas side included
    bool restart = false;          // a value that shapes the curve changed: it starts again
    bool newCurve = false;         // the curve is set up again, going on from its angle
    bool radii = false;            // R, r and d were stored: a paused curve goes on with them
    bool focalDistance = false;    // d is to become the ellipse's focal distance
    bool restoreDefaults = false;  // the current type's built-in values replace the stored ones
    friend bool operator==(const CurveEdit&, const CurveEdit&) = default;
};

// In this order: the parameters, through `takeParameters` (the window's engine builds a
// new canvas there for a new side), a new set-up or a restart, the focus, the radii from
// the values just stored, with which a paused curve goes on, then the defaults over them.
template <typename TakeParameters>
void applyEdit(CurveState& state, const CurveEdit& edit, const RestoreValues& defaults, TakeParameters takeParameters)
{
    takeParameters(edit.parameters);
    if (edit.newCurve) state.flags.newcurve = 1;
    if (edit.restart) state.restart();
    if (edit.focalDistance) state.setDistanceToFocus();
    if (edit.radii) state.progress.takeRadii(state.params);
    if (edit.restoreDefaults) defaults.restoreCurrentType(state);
}

}  // namespace trochograph
