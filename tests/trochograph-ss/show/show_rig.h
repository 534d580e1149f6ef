// A show on a screen surface without a display, and the ways the tests run it.
#pragma once

#include <vector>

#include "common/surface.h"
#include "show/headless_show_platform.h"
#include "show/show.h"

namespace trochograph::test {

struct ShowRig {
    Surface screen;
    HeadlessShowPlatform platform{screen};
    Show show;

    ShowRig(int xscreen, int res) : screen(xscreen, res, 0), show(platform, xscreen, res) {}
};

// One wait that step() returned.
struct Step {
    int ms = 0;
    ShowWait kind = ShowWait::none;
    bool longPause = false;
};

// Steps through the rest of the current drawing, up to and including the 4-second pause
// after it, and returns the waits in order.
inline std::vector<Step> runDrawing(Show& show)
{
    std::vector<Step> steps;
    do {
        const int ms = show.step();
        steps.push_back({ms, show.lastWait(), show.inLongPause()});
    } while (steps.back().kind != ShowWait::finishedCurve && steps.size() < 100000);
    return steps;
}

inline int countKind(const std::vector<Step>& steps, ShowWait kind)
{
    int n = 0;
    for (const Step& s : steps) n += s.kind == kind;
    return n;
}

}  // namespace trochograph::test
