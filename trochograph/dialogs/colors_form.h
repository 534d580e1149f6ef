// "Choose Colors ( 0 - 255 )": the curve colour and the background colour as red, green
// and blue components, and whether the curve takes its colours from the palette.
#pragma once

#include "form.h"

namespace trochograph {

struct CurveState;

class ColorsForm final : public Form {
public:
    explicit ColorsForm(CurveState& state);
    // OK stores the multicolour choice, then each component that passes, in order, until
    // one is out of range. The colour words are composed by the caller after OK.
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

    static const DialogTemplate layout;

private:
    CurveState& state_;
};

}  // namespace trochograph
