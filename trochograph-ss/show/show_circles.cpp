#include "show/show_circles.h"

#include <algorithm>
#include <cmath>

#include "common/drawdot.h"
#include "common/surface.h"
#include "common/trunc_int.h"
#include "show/show_platform.h"
#include "show/show_state.h"

namespace trochograph {

namespace {

constexpr double halfPi = 1.5707963267948966;

// A full circle on the box of centre +- radius, each corner truncated; the box's
// left-middle point starts and ends it.
void circle(Surface& target, Point centre, double radius, int dx, Colorref c)
{
    const Rect box{truncToInt(centre.x - radius) + dx, truncToInt(centre.y - radius),
                   truncToInt(centre.x + radius) + dx, truncToInt(centre.y + radius)};
    const Point start{box.left, centre.y};
    target.arc(box, start, start, showCirclePen, c);
}

// Two perpendicular diameters, the first at `angle` (counterclockwise on screen).
void diameters(Surface& target, Point centre, double radius, double angle, int dx, Colorref c)
{
    for (const double a : {angle, angle + halfPi}) {
        const double u = radius * std::cos(a);
        const double v = radius * std::sin(a);
        const Point from{truncToInt(centre.x + u) + dx, truncToInt(centre.y - v)};
        const Point to{truncToInt(centre.x - u) + dx, truncToInt(centre.y + v)};
        target.line(from, to, showCirclePen, c);
    }
}

}  // namespace

ShowCircles::ShowCircles(const ShowState& state, Surface& canvas, ShowPlatform& platform)
    : state_(state), canvas_(canvas), platform_(platform)
{
    canvasChanges_.markAll();
    canvas_.attach(canvasChanges_);
}

ShowCircles::~ShowCircles() { canvas_.detach(canvasChanges_); }

void ShowCircles::setFrameMode(ShowFrameMode mode)
{
    mode_ = mode;
    // The next frame copies everything, whatever the other mode left behind.
    canvasChanges_.markAll();
}

int ShowCircles::drawcircles(double R, double r1, double r2, int flag)
{
    const ShowState& s = state_;
    Surface& screen = platform_.screen();
    if (flag == 0) {
        bound_ = {0, 0, std::min(s.res, screen.width()), std::min(s.res, screen.height())};
        circle(canvas_, {s.halfres, s.halfres}, R, 0, show_colors::fixedCircle);
        circle(screen, {s.xcenter, s.halfres}, R, 0, show_colors::fixedCircle);
        return 0;
    }

    if (mode_ == ShowFrameMode::wholeCanvas) {
        if (!erase_ || erase_->width() != canvas_.width() || erase_->height() != canvas_.height())
            erase_ = std::make_unique<Surface>(canvas_.width(), canvas_.height());
        erase_->blit({0, 0}, canvas_, canvas_.bounds());
        if (flag == 2) return flag;
        drawFrame(canvas_, 0, r1, r2);
        screen.blit({s.hdcRes.left, 0}, canvas_, canvas_.bounds());
        canvas_.blit({0, 0}, *erase_, erase_->bounds());
        return flag;
    }
    if (flag == 2) return flag;
    // The canvas would get the circles and lose them again: draw them straight into the
    // screen square instead.
    syncScreen();
    const Rect oldClip = screen.clip();
    const Rect square{s.hdcRes.left, 0, s.hdcRes.left + s.res, s.res};
    screen.setClip(oldClip.intersected(square));
    screen.attach(screenFrame_);
    drawFrame(screen, s.hdcRes.left, r1, r2);
    screen.detach(screenFrame_);
    screen.setClip(oldClip);
    return flag;
}

void ShowCircles::showCanvas()
{
    if (mode_ == ShowFrameMode::wholeCanvas) {
        platform_.screen().blit({state_.hdcRes.left, 0}, canvas_, canvas_.bounds());
        return;
    }
    syncScreen();
}

void ShowCircles::drawFrame(Surface& target, int dx, double r1, double r2) const
{
    const ShowState& s = state_;
    const int type = s.preset().type;
    const int hr = s.halfres;
    const bool rose = type == 2;
    const Point c1 = rose ? Point{hr, hr} : Point{truncToInt(s.center1x) + hr, truncToInt(s.center1y) + hr};
    Point armFrom = c1;
    if (!rose) {
        circle(target, c1, r1, dx, show_colors::firstCircle);
        diameters(target, c1, r1, type <= 1 ? s.delta : s.gamma, dx, show_colors::firstDiameters);
    }
    if (type >= 4) {
        const Point c2{truncToInt(s.center2x) + hr, truncToInt(s.center2y) + hr};
        circle(target, c2, r2, dx, show_colors::secondCircle);
        diameters(target, c2, r2, s.delta, dx, show_colors::secondDiameters);
        if (type >= 8) target.line({c1.x + dx, c1.y}, {c2.x + dx, c2.y}, showCirclePen, show_colors::centreLink);
        armFrom = c2;
    }
    const Point tip = s.pt[1];
    target.line({armFrom.x + dx, armFrom.y}, {tip.x + dx, tip.y}, showCirclePen,
                rose ? show_colors::armOfRose : show_colors::armOfCircles);
    if (!rose) {
        const Rect test{bound_.left + dx, bound_.top, bound_.right + dx, bound_.bottom};
        drawdot(target, tip.x + dx, tip.y, test, show_colors::penMark);
    }
}

void ShowCircles::syncScreen()
{
    Surface& screen = platform_.screen();
    const int left = state_.hdcRes.left;
    const bool sameScreen = syncedScreen_ == &screen && syncedWidth_ == screen.width() &&
                            syncedHeight_ == screen.height() && syncedLeft_ == left;
    if (!sameScreen || canvasChanges_.all() || screenFrame_.all()) {
        screen.blit({left, 0}, canvas_, canvas_.bounds());
    } else {
        for (const Span& run : canvasChanges_.spans())
            screen.blit({run.x0 + left, run.y}, canvas_, {run.x0, run.y, run.x1, run.y + 1});
        for (const Span& run : screenFrame_.spans())
            screen.blit({run.x0, run.y}, canvas_, {run.x0 - left, run.y, run.x1 - left, run.y + 1});
    }
    canvasChanges_.clear();
    screenFrame_.clear();
    syncedScreen_ = &screen;
    syncedWidth_ = screen.width();
    syncedHeight_ = screen.height();
    syncedLeft_ = left;
}

}  // namespace trochograph
