#include "show/show.h"

#include <cassert>

#include "common/surface.h"
#include "common/trunc_int.h"
#include "show/show_circles.h"
#include "show/show_curve.h"
#include "show/show_platform.h"

namespace trochograph {

namespace {

constexpr int circlesPause = 1000;  // after the fixed circle, and with the last circles
constexpr int curvePause = 4000;    // with the finished curve

// Where the next step() carries on.
enum class Resume {
    pointStart,         // a new point: pin the cursor, clear, set up, compute
    afterFixedCircle,   // the first point's segment
    afterPoint,         // the angles move on; maybe the curve is complete
    afterLastCircles,   // the screen shows the canvas again
    afterFinishedCurve, // the next curve, preset and colour
};

}  // namespace

struct Show::Impl {
    Impl(ShowPlatform& p, int xscreen, int res) : platform(p), canvas(res, res, 0), circles(state, canvas, p)
    {
        state.setGeometry(xscreen, res);
    }

    int step();
    void beginPoint();
    int drawPoint();
    int wait(int milliseconds, ShowWait kind)
    {
        lastWait = kind;
        return milliseconds;
    }
    void nextCurve();

    ShowPlatform& platform;
    ShowState state;
    Surface canvas;
    ShowCircles circles;
    Resume resume = Resume::pointStart;
    ShowWait lastWait = ShowWait::none;
};

int Show::Impl::step()
{
    ShowState& s = state;
    // Every way out is a wait. A point that doesn't finish its curve, and a finished curve
    // after its pause, have none of their own: the next point follows in the same call.
    for (;;) {
        switch (resume) {
        case Resume::pointStart:
            beginPoint();
            if (s.theta == 0.0) {
                circles.drawcircles(s.R, s.r1, s.r2, 0);
                resume = Resume::afterFixedCircle;
                return wait(circlesPause, ShowWait::fixedCircle);
            }
            return drawPoint();
        case Resume::afterFixedCircle:
            s.pt[0] = s.pt[1];
            return drawPoint();
        case Resume::afterPoint:
            advanceAngles(s);
            s.pt[0] = s.pt[1];
            if (s.theta >= s.st) {
                if (s.preset().type != irrationalRose) {
                    circles.drawcircles(s.R, s.r1, s.r2, 2);
                    resume = Resume::afterLastCircles;
                    return wait(circlesPause, ShowWait::lastCircles);
                }
                resume = Resume::afterFinishedCurve;
                return wait(curvePause, ShowWait::finishedCurve);
            }
            resume = Resume::pointStart;
            break;
        case Resume::afterLastCircles:
            circles.showCanvas();
            resume = Resume::afterFinishedCurve;
            return wait(curvePause, ShowWait::finishedCurve);
        case Resume::afterFinishedCurve:
            nextCurve();
            resume = Resume::pointStart;
            break;
        }
    }
}

// Up to the point's pixel: the cursor pinned, a cleared square for a new preset, the set-up
// at a curve's start.
void Show::Impl::beginPoint()
{
    ShowState& s = state;
    platform.pinCursor();
    if (s.firstloop) {
        platform.screen().fillRect(s.hdcRes, 0);
        canvas.fillRect(s.VhdcRes, 0);
        s.firstloop = 0;
    }
    if (s.theta == 0.0) setUpPreset(s);
    const CurvePoint p = curvePoint(s);
    s.pt[1] = {truncToInt(p.x) + s.halfres, truncToInt(p.y) + s.halfres};
}

// The segment to the point, the circles over it, and the pause after it.
int Show::Impl::drawPoint()
{
    ShowState& s = state;
    const Colorref color = segmentColor(s);
    canvas.line(s.pt[0], s.pt[1], 1, color);
    const int type = s.preset().type;
    if (type == irrationalRose) {
        // No circles bring this segment to the screen: it goes there directly.
        for (int i = 0; i < 2; ++i) s.rpt[i] = {s.pt[i].x + s.hdcRes.left, s.pt[i].y};
        platform.screen().line(s.rpt[0], s.rpt[1], 1, color);
    } else {
        circles.drawcircles(s.R, s.r1, s.r2, 1);
    }
    resume = Resume::afterPoint;
    const int delay = s.ctype == irrationalPreset ? 0 : s.ctype == quickPreset ? 1 : s.speed;
    return wait(delay, ShowWait::point);
}

// After a finished curve: preset 5 again turned a little further until it has been drawn
// five times, else the next preset and colour on a cleared square.
void Show::Impl::nextCurve()
{
    ShowState& s = state;
    s.theta = 0.0;
    if (s.ctype == turnedPreset) {
        s.rtheta += 0.1;
        if (s.rtheta < 0.5) return;
        s.rtheta = 0.0;
    }
    if (s.ctype == growingPreset) {
        int& d1 = s.c[growingPreset].d1;
        d1 = truncToInt(d1 + 5.0);
        if (d1 > 50) d1 = 20;
    }
    s.firstloop = 1;
    s.ctype = s.ctype == presetCount - 1 ? 0 : s.ctype + 1;
    s.crindex = s.crindex == colorCount - 1 ? 0 : s.crindex + 1;
}

Show::Show(ShowPlatform& platform, int xscreen, int res) : impl_(std::make_unique<Impl>(platform, xscreen, res)) {}

Show::~Show() = default;

int Show::step() { return impl_->step(); }

void Show::setSpeed(int milliseconds) { impl_->state.speed = milliseconds; }

int Show::speed() const { return impl_->state.speed; }

bool Show::inLongPause() const
{
    const ShowWait w = impl_->lastWait;
    return w == ShowWait::fixedCircle || w == ShowWait::lastCircles || w == ShowWait::finishedCurve;
}

const ShowState& Show::state() const { return impl_->state; }

const Surface& Show::canvas() const { return impl_->canvas; }

ShowWait Show::lastWait() const { return impl_->lastWait; }

void Show::startAt(int preset, int colorIndex)
{
    assert(preset >= 0 && preset < presetCount && colorIndex >= 0 && colorIndex < colorCount);
    ShowState& s = impl_->state;
    s.ctype = preset;
    s.crindex = colorIndex;
    s.theta = 0.0;
    s.rtheta = 0.0;
    s.firstloop = 1;
    impl_->resume = Resume::pointStart;
}

void Show::setFrameMode(ShowFrameMode mode) { impl_->circles.setFrameMode(mode); }

}  // namespace trochograph
