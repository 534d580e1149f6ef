#include "curve_state.h"

namespace trochograph {

void CurveState::captureRestoreValues()
{
    rRpct = Rpct;
    rrpct = rpct;
    rdpct = dpct;
    rscale = scale;
    rinc.fill(increment);
    rst = st;
    rkn = kn;
    rkd = kd;
}

void CurveState::restoreCurrentType()
{
    const int t = type;
    Rpct[t] = rRpct[t];
    rpct[t] = rrpct[t];
    dpct[t] = rdpct[t];
    scale[t] = rscale[t];
    increment = rinc[t];
    st[t] = rst[t];
    kn[t] = rkn[t];
    kd[t] = rkd[t];
}

}  // namespace trochograph
