// "Choose Value of ' k '": which irrational k the irrational rose uses.
#pragma once

#include "form.h"

namespace trochograph {

struct CurveState;

class ChooseKForm final : public Form {
public:
    explicit ChooseKForm(CurveState& state);
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;

private:
    CurveState& state_;
};

}  // namespace trochograph
