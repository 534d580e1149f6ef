// "Choose Colors ( 0 - 255 )": the curve colour and the background colour as red, green
// and blue components, and whether the curve takes its colours from the palette.
#pragma once

#include "dialogs/curve_form.h"

namespace trochograph {

class ColorsForm final : public CurveForm {
public:
    explicit ColorsForm(const CurveParameters& parameters);
    std::vector<ColorFields> colorFields() const override;

    static const DialogTemplate layout;

private:
    // OK stores the multicolour choice, then each component that passes, in order, until
    // one is out of range; once all have passed, the two colours they make.
    [[nodiscard]] CurveReading read(const Confirm& confirm) const override;
};

}  // namespace trochograph
