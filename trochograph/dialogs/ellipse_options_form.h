// "Ellipse Options": how the rolling ellipse is simulated, and a one-shot action that puts
// the pen at the ellipse's focus.
#pragma once

#include "dialogs/curve_form.h"

namespace trochograph {

class EllipseOptionsForm final : public CurveForm {
public:
    explicit EllipseOptionsForm(const CurveParameters& parameters);

    static const DialogTemplate layout;

private:
    void clicked(int id) override;
    [[nodiscard]] CurveReading read(const Confirm& confirm) const override;
};

}  // namespace trochograph
