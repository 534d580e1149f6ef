// The form of each modal dialog, made afresh at each opening from the curve's parameters.
#pragma once

#include <memory>

#include "dialogs/form.h"

namespace trochograph {

struct CurveParameters;

// Null for an id that names no dialog.
std::unique_ptr<Form> makeForm(int dialog, const CurveParameters& parameters);

}  // namespace trochograph
