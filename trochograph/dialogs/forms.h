// The form of each modal dialog, made afresh at each opening from the curve state.
#pragma once

#include <memory>

#include "form.h"

namespace trochograph {

struct CurveState;

// Null for an id that names no dialog.
std::unique_ptr<Form> makeForm(int dialog, CurveState& state);

}  // namespace trochograph
