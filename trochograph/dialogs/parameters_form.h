// " Image Parameters": every numeric parameter of the current curve type in one form,
// checked row by row when OK is pressed.
#pragma once

#include <array>

#include "dialogs/curve_form.h"

namespace trochograph {

// The labels of the thirteen rows (row 8 is relabelled by curve type) and the messages of
// the rules, by error number; the Colors form reports with the last one.
extern const std::array<const char*, 13> paramnames;
extern const std::array<const char*, 13> paramerror;
constexpr int colorRangeError = 12;

// The message box of a failed rule.
Message parameterError(int error);

class ParametersForm final : public CurveForm {
public:
    explicit ParametersForm(const CurveParameters& parameters);

    static const DialogTemplate layout;

private:
    // OK checks the rows in order, storing each one that passes at once, so a failure
    // leaves the rows before it in force; R, r and d are stored, and the defaults asked
    // for, only when all pass.
    [[nodiscard]] CurveReading read(const Confirm& confirm) const override;
};

}  // namespace trochograph
