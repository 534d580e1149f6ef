// What a curve form's values would draw, shown beside the form while the user types: the
// whole curve from its start, small, drawn by an engine of its own, so the curve state is
// never touched. The drawing goes in slices the window hands out, so typing never waits
// for it; values that OK would refuse keep the last picture and say why.
#pragma once

#include <string>

#include "common/surface.h"
#include "dialogs/curve_form.h"
#include "engine/engine.h"

namespace trochograph {

class CurvePreview {
public:
    static constexpr int defaultSide = 240;

    // Previews edits of `current`, the window's curve state, with the built-in values that
    // "restore default parameters" brings back; both must outlive the preview.
    CurvePreview(const CurveState& current, const RestoreValues& defaults, int side = defaultSide);

    // Looks at the values the form shows now: values that draw another curve start its
    // picture; values OK would refuse leave the last picture and give the reason.
    void follow(const CurveForm& form);
    // Draws up to `steps` more steps of the picture under way; true while steps remain.
    bool advance(long long steps);
    bool drawing() const { return drawing_; }

    // The last whole picture, of side x side pixels; empty before the first is complete.
    const Surface& picture() const { return shown_; }
    // Why the form's values draw nothing, on one line; empty when they draw the picture.
    const std::string& refusal() const { return refusal_; }
    // Counts the pictures completed, so that a window knows when to show a new one.
    int completed() const { return completed_; }

    // The parameters the preview draws `edited` with: the curve on a canvas of `side`
    // pixels, the pen scaled with it, without the animated circles.
    static CurveParameters scaledTo(const CurveParameters& edited, int side);

private:
    const CurveState& current_;
    const RestoreValues& defaults_;
    int side_;
    Surface noWindow_;
    Engine engine_;
    Surface shown_;
    CurveParameters lastStarted_{};
    bool started_ = false;
    bool drawing_ = false;
    std::string refusal_;
    int completed_ = 0;
};

}  // namespace trochograph
