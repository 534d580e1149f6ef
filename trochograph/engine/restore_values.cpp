#include "engine/restore_values.h"

namespace trochograph {

RestoreValues RestoreValues::capture(const CurveState& state)
{
    const CurveParameters& p = state.params;
    RestoreValues v;
    v.rRpct = p.Rpct;
    v.rrpct = p.rpct;
    v.rdpct = p.dpct;
    v.rscale = p.scale;
    v.rinc.fill(p.increment);
    v.rst = state.progress.st;
    v.rkn = p.kn;
    v.rkd = p.kd;
    v.crdefault = p.crpalette;
    return v;
}

void RestoreValues::restoreCurrentType(CurveState& state) const
{
    CurveParameters& p = state.params;
    const int t = p.type;
    p.Rpct[t] = rRpct[t];
    p.rpct[t] = rrpct[t];
    p.dpct[t] = rdpct[t];
    p.scale[t] = rscale[t];
    p.increment = rinc[t];
    state.progress.st[t] = rst[t];
    p.kn[t] = rkn[t];
    p.kd[t] = rkd[t];
}

}  // namespace trochograph
