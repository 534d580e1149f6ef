// "Choose Image Type": the curve type and whether the moving piece is a simulated ellipse.
#pragma once

#include "dialogs/curve_form.h"

namespace trochograph {

class ImageTypeForm final : public CurveForm {
public:
    // `firstIrrationalRose`: the irrational rose hasn't been chosen yet in this run, so
    // choosing it now gives it 21 circuits.
    explicit ImageTypeForm(const CurveParameters& parameters, bool firstIrrationalRose = false);

    static const DialogTemplate layout;

private:
    void clicked(int id) override;
    [[nodiscard]] CurveReading read(const Confirm& confirm) const override;

    bool firstIrrationalRose_;
};

}  // namespace trochograph
