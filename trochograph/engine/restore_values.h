// The built-in parameters of each curve type and the built-in palette, taken before any
// file is read: what "restore default parameters on OK" and "Default Palette (F10)" bring
// back.
#pragma once

#include "engine/curve_state.h"

namespace trochograph {

struct RestoreValues {
    PerType<int> rRpct{}, rrpct{};
    PerType<double> rdpct{}, rscale{}, rinc{}, rst{};
    PerType<int> rkn{}, rkd{};
    SharedPalette crdefault;

    // The values of every type as the state holds them now.
    static RestoreValues capture(const CurveState& state);
    // Puts the values of the current type back; the other types keep theirs.
    void restoreCurrentType(CurveState& state) const;
};

}  // namespace trochograph
