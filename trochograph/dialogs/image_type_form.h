// "Choose Image Type": the curve type and whether the moving piece is a simulated ellipse.
#pragma once

#include "form.h"

namespace trochograph {

struct CurveState;

class ImageTypeForm final : public Form {
public:
    explicit ImageTypeForm(CurveState& state);
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;

private:
    void clicked(int id) override;

    CurveState& state_;
};

}  // namespace trochograph
