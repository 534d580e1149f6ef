// "Ellipse Options": how the rolling ellipse is simulated, and a one-shot action that puts
// the pen at the ellipse's focus.
#pragma once

#include <memory>

#include "dialogs/curve_form.h"

namespace trochograph {

class EllipseOptionsForm final : public CurveForm {
public:
    explicit EllipseOptionsForm(const CurveParameters& parameters);
    std::unique_ptr<CurveForm> reopened(const CurveParameters& p) const override { return std::make_unique<EllipseOptionsForm>(p); }
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;

private:
    void clicked(int id) override;
};

}  // namespace trochograph
