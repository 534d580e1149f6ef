#include "engine/circle_animation.h"

#include <cmath>

#include "common/surface.h"
#include "common/trunc_int.h"
#include "engine/curve_state.h"
#include "engine/drawing_record.h"
#include "engine/rotate.h"
#include "engine/visible_area.h"

namespace trochograph {

namespace {

// trunc(v) + offset without overflow: a far-off point saturates and stays far off.
int truncPlus(double v, int offset)
{
    const long long sum = static_cast<long long>(truncToInt(v)) + offset;
    if (sum > 2147483647LL) return 2147483647;
    if (sum < -2147483648LL) return -2147483647 - 1;
    return static_cast<int>(sum);
}

}  // namespace

template <class Use>
void CircleAnimation::forEachFigure(const CircleOverlay& o, Use use) const
{
    if (o.circle) {
        use(EllipseOutline{o.circleBox, circlePenWidth, circle_colors::movingCircle});
        use(StraightLine{o.spokes[0], o.spokes[1], circlePenWidth, circle_colors::spokes});
        use(StraightLine{o.spokes[2], o.spokes[3], circlePenWidth, circle_colors::spokes});
    }
    if (o.arm) use(StraightLine{o.armFrom, o.armTo, circlePenWidth, o.armColor});
    if (o.dot) use(PenDot{o.armTo, bound_, circle_colors::penTip});
}

CircleAnimation::CircleAnimation(const CurveState& state, Surface& canvas, DrawingRecord* record)
    : state_(state), canvas_(canvas), record_(record)
{
    canvasChanges_.markAll();
    canvas_.attach(canvasChanges_);
}

CircleAnimation::~CircleAnimation() { canvas_.detach(canvasChanges_); }

int CircleAnimation::drawcircles(Surface& hdc, double R, double r1, int flag)
{
    const CurveParameters& p = state_.params;
    const Rect visible = visibleArea(p.res, hdc.bounds());
    if (flag == 0) {
        const int hr = p.halfres();
        R *= p.scale[p.type];
        bound_ = visible;
        const Rect box{truncToInt(hr - R), truncToInt(hr - R), truncToInt(hr + R), truncToInt(hr + R)};
        const EllipseOutline fixed{box, circlePenWidth, circle_colors::fixedCircle};
        draw(canvas_, fixed);
        draw(hdc, fixed);
        keep(fixed);
        return 0;
    }

    const CircleOverlay overlay = nextOverlay(r1);
    if (flag == 2) forEachFigure(overlay, [&](const Figure& f) { keep(f); });
    if (mode_ == FrameMode::wholeCanvas) {
        wholeCanvasFrame(hdc, visible, overlay, flag);
        return flag;
    }
    if (flag == 2) {
        pending_.reset();
        drawOverlay(canvas_, overlay);
        syncWindow(hdc, visible);
        return flag;
    }
    pending_ = PendingFrame{&hdc, overlay};
    hdc.expectDrawing();
    return flag;
}

void CircleAnimation::showFrame()
{
    if (!pending_) return;
    Surface& window = *pending_->window;
    const Rect visible = visibleArea(state_.params.res, window.bounds());
    syncWindow(window, visible);
    // The canvas would get the overlay and lose it again: draw it straight into the window.
    if (!visible.empty()) {
        const Rect oldClip = window.clip();
        window.setClip(oldClip.intersected(visible));
        window.attach(windowOverlay_);
        drawOverlay(window, pending_->overlay);
        window.detach(windowOverlay_);
        window.setClip(oldClip);
    }
    pending_.reset();
}

CircleOverlay CircleAnimation::nextOverlay(double r1)
{
    const CurveParameters& p = state_.params;
    const CurveProgress& g = state_.progress;
    const int hr = p.halfres();
    CircleOverlay o;
    if (p.type == epitrochoid || p.type == hypotrochoid) {
        const double sc = p.scale[p.type];
        r1 *= sc;
        center1_ = {truncPlus(g.center1x * sc, hr), truncPlus(g.center1y * sc, hr)};
    } else if (p.type == rhodoneaRational) {
        center1_ = {hr, hr};
    }
    const double cx = center1_.x;
    const double cy = center1_.y;

    if (p.type == epitrochoid || p.type == hypotrochoid) {
        o.circle = true;
        o.circleBox = {truncToInt(cx - r1), truncToInt(cy - r1), truncToInt(cx + r1), truncToInt(cy + r1)};
        double u = std::cos(g.delta) * r1;
        double v = std::sin(g.delta) * r1;
        o.spokes[0] = {truncToInt(cx + u), truncToInt(cy - v)};
        o.spokes[1] = {truncToInt(cx - u), truncToInt(cy + v)};
        u = std::cos(g.delta + halfPi) * r1;
        v = std::sin(g.delta + halfPi) * r1;
        o.spokes[2] = {truncToInt(cx + u), truncToInt(cy - v)};
        o.spokes[3] = {truncToInt(cx - u), truncToInt(cy + v)};
    }
    if (state_.flags.okintro == 0) {
        o.arm = true;
        o.armFrom = center1_;
        o.armTo = g.pt[1];
        o.armColor = o.circle ? circle_colors::armOfTrochoid : circle_colors::armOfRose;
        o.dot = o.circle;
    }
    return o;
}

void CircleAnimation::drawOverlay(Surface& target, const CircleOverlay& overlay) const
{
    forEachFigure(overlay, [&](const auto& f) { draw(target, f); });
}

void CircleAnimation::keep(const Figure& figure)
{
    if (record_ && !state_.flags.okintro) record_->figure(figure);
}

void CircleAnimation::wholeCanvasFrame(Surface& window, const Rect& visible, const CircleOverlay& overlay, int flag)
{
    if (!erase_) erase_ = std::make_unique<Surface>();
    erase_->reset(canvas_.width(), canvas_.height(), 0);
    erase_->blit({0, 0}, canvas_, canvas_.bounds());
    drawOverlay(canvas_, overlay);
    window.blit({0, 0}, canvas_, visible);
    if (flag == 1) canvas_.blit({0, 0}, *erase_, erase_->bounds());
}

void CircleAnimation::syncWindow(Surface& window, const Rect& visible)
{
    const bool sameWindow = syncedWindow_ == &window && syncedWidth_ == window.width() &&
                            syncedHeight_ == window.height() && syncedVisible_ == visible;
    if (!sameWindow || canvasChanges_.all() || windowOverlay_.all()) {
        window.blit({0, 0}, canvas_, visible);
    } else {
        auto copy = [&](const SpanRecorder& runs) {
            for (const Span& run : runs.spans()) {
                if (run.y >= visible.bottom) continue;
                const int x1 = run.x1 < visible.right ? run.x1 : visible.right;
                if (run.x0 < x1) window.copySpan(canvas_, run.y, run.x0, x1);
            }
        };
        copy(canvasChanges_);
        copy(windowOverlay_);
    }
    canvasChanges_.clear();
    windowOverlay_.clear();
    syncedWindow_ = &window;
    syncedWidth_ = window.width();
    syncedHeight_ = window.height();
    syncedVisible_ = visible;
}

}  // namespace trochograph
