// "Choose Image Type": the curve type and whether the moving piece is a simulated ellipse.
#pragma once

#include <memory>

#include "dialogs/curve_form.h"

namespace trochograph {

class ImageTypeForm final : public CurveForm {
public:
    // `firstIrrationalRose`: the irrational rose hasn't been chosen yet in this run, so
    // choosing it now gives it 21 circuits.
    explicit ImageTypeForm(const CurveParameters& parameters, bool firstIrrationalRose = false);
    std::unique_ptr<CurveForm> reopened(const CurveParameters& p) const override
    {
        return std::make_unique<ImageTypeForm>(p, firstIrrationalRose_);
    }
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;

private:
    void clicked(int id) override;

    bool firstIrrationalRose_;
};

}  // namespace trochograph
