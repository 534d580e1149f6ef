// "Choose Image Type": the curve type and whether the moving piece is a simulated ellipse.
#pragma once

#include "dialogs/curve_form.h"

namespace trochograph {

class ImageTypeForm final : public CurveForm {
public:
    explicit ImageTypeForm(const CurveParameters& parameters);
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;

private:
    void clicked(int id) override;
};

}  // namespace trochograph
