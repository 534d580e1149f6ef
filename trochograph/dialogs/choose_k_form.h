// "Choose Value of ' k '": which irrational k the irrational rose uses.
#pragma once

#include "dialogs/curve_form.h"

namespace trochograph {

class ChooseKForm final : public CurveForm {
public:
    explicit ChooseKForm(const CurveParameters& parameters);

    static const DialogTemplate layout;

private:
    [[nodiscard]] CurveReading read(const Confirm& confirm) const override;
};

}  // namespace trochograph
