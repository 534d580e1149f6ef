#include "dialogs/curve_preview.h"

#include <algorithm>
#include <cmath>

namespace trochograph {

CurvePreview::CurvePreview(const CurveState& current, const RestoreValues& defaults, int side)
    : current_(current), defaults_(defaults), side_(side), engine_(noWindow_)
{
    engine_.rebuildCanvas(side_);
}

CurveParameters CurvePreview::scaledTo(const CurveParameters& edited, int side)
{
    CurveParameters p = edited;
    p.width = std::max(1, static_cast<int>(std::lround(static_cast<double>(edited.width) * side / edited.res)));
    p.res = side;
    return p;
}

void CurvePreview::follow(const CurveForm& form)
{
    const Result<CurveEdit> edit = form.pendingEdit();
    if (!edit) {
        refusal_ = edit.message();
        return;
    }
    refusal_.clear();
    // The window's state with the edit applied, as OK would leave it, then drawn small.
    CurveState edited = current_;
    applyEdit(edited, *edit, defaults_, [&](const CurveParameters& p) { edited.params = p; });
    const CurveParameters drawn = scaledTo(edited.params, side_);
    if (started_ && drawn == lastStarted_) return;
    started_ = true;
    lastStarted_ = drawn;

    CurveState s = edited;
    s.params = drawn;
    s.flags.animate = 0;
    engine_.setState(s);
    engine_.startWholeCurve();
    drawing_ = true;
}

bool CurvePreview::advance(long long steps)
{
    if (!drawing_) return false;
    engine_.drawSteps(steps);
    if (engine_.drawing()) return true;
    drawing_ = false;
    shown_.reset(side_, side_, 0);
    shown_.blit({0, 0}, engine_.canvas(), engine_.canvas().bounds());
    ++completed_;
    return false;
}

}  // namespace trochograph
