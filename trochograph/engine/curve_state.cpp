#include "engine/curve_state.h"

#include <cmath>

namespace trochograph {

void CurveState::setDistanceToFocus()
{
    CurveParameters& p = params;
    CurveProgress& g = progress;
    // The moving radius as last computed; before any curve or parameter change has
    // computed one, the radius the current type's percentage gives.
    const double r = g.r != 0.0 ? g.r : p.pixels(p.rpct[p.type]);
    g.a = r;
    g.b = (static_cast<double>(p.en) / p.ed) * r;
    p.dpct[p.type] = std::sqrt(g.a * g.a - g.b * g.b) * 100 / p.halfres();
    restart();
}

}  // namespace trochograph
