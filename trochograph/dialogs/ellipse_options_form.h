// "Ellipse Options": how the rolling ellipse is simulated, and a one-shot action that puts
// the pen at the ellipse's focus.
#pragma once

#include "form.h"

namespace trochograph {

struct CurveState;

class EllipseOptionsForm final : public Form {
public:
    explicit EllipseOptionsForm(CurveState& state);
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;

private:
    void clicked(int id) override;

    CurveState& state_;
};

// Sets d of the current type to the focal distance of the ellipse whose semi-major axis is
// the moving radius and whose axes are in the ratio en : ed.
void setDistanceToFocus(CurveState& state);

}  // namespace trochograph
