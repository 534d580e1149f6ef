// The engine's state in three parts: the curve's parameters, the progress of its drawing,
// and the flags that say what the program is doing. The renderer, the animations and the
// window's commands read and write them under these names; dialogs and files see only the
// parameters.
#pragma once

#include "engine/curve_parameters.h"
#include "engine/curve_progress.h"

namespace trochograph {

// All 0 or 1.
struct RunFlags {
    int okintro = 1;     // the intro is running
    int stopintro = 0;   // the user asked the intro to end
    int okroulette = 0;  // a curve is being drawn
    int firstloop = 1;   // the next step first paints the background
    int newcurve = 1;    // the next step sets a new curve up
    int clearflag = 0;   // the screen was cleared since the last set-up
    int animate = 0;     // the generating circles are shown in motion
    int debug = 0;       // each set-up shows its closure figures
};

struct CurveState {
    CurveParameters params;
    CurveProgress progress;
    RunFlags flags;

    // The curve starts again from its beginning at the next step, over the present picture.
    void restart()
    {
        flags.newcurve = 1;
        progress.theta = 0.0;
    }
    // The same on a picture first cleared to the background colour.
    void restartOnFreshBackground()
    {
        restart();
        flags.firstloop = 1;
    }
    // The whole curve is to be drawn from its start on a fresh background, the intro over,
    // as a Render command after the intro starts it.
    void startWholeCurve()
    {
        flags.okintro = 0;
        restartOnFreshBackground();
        flags.okroulette = 1;
    }
    // d of the current type becomes the focal distance of the ellipse whose semi-major axis
    // is the moving radius and whose axes are in the ratio en : ed; the curve restarts.
    void setDistanceToFocus();
};

}  // namespace trochograph
