// " Image Parameters": every numeric parameter of the current curve type in one form,
// checked row by row when OK is pressed.
#pragma once

#include <array>

#include "form.h"

namespace trochograph {

struct CurveState;

// The labels of the thirteen rows (row 8 is relabelled by curve type) and the messages of
// the rules, by error number; the Colors form reports with the last one.
extern const std::array<const char*, 13> paramnames;
extern const std::array<const char*, 13> paramerror;
constexpr int colorRangeError = 12;

// The message box of a failed rule.
Message parameterError(int error);

class ParametersForm final : public Form {
public:
    explicit ParametersForm(CurveState& state);

    // OK checks the rows in order, storing each one that passes at once, so a failure
    // leaves the rows before it in force; R, r and d are stored only when all pass.
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;

private:
    [[nodiscard]] FormResult ok(const Confirm& confirm);

    CurveState& state_;
};

}  // namespace trochograph
