// "Choose Value of ' k '": which irrational k the irrational rose uses.
#pragma once

#include <memory>

#include "dialogs/curve_form.h"

namespace trochograph {

class ChooseKForm final : public CurveForm {
public:
    explicit ChooseKForm(const CurveParameters& parameters);
    std::unique_ptr<CurveForm> reopened(const CurveParameters& p) const override { return std::make_unique<ChooseKForm>(p); }
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;
};

}  // namespace trochograph
