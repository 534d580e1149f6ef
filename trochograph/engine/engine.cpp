#include "engine/engine.h"

#include <limits>

namespace trochograph {

Engine::Engine(Surface& window, const CurveState& start)
    : window_(window),
      state_(start),
      canvas_(state_.params.res, state_.params.res, canvasGrey),
      circles_(state_, canvas_, &record_),
      renderer_(state_, canvas_, window_, circles_, &record_),
      intro_(state_, canvas_, window_, circles_)
{
    record_.clear(state_.params.res, canvasGrey);
}

StepRequest Engine::step()
{
    if (state_.flags.okintro) return intro_.intro();
    if (state_.flags.okroulette) return renderer_.roulette();
    return {};
}

void Engine::setParameters(const CurveParameters& parameters)
{
    const int oldSide = state_.params.res;
    state_.params = parameters;
    if (parameters.res != oldSide) changeResolution(parameters.res);
}

void Engine::apply(const CurveEdit& edit, const RestoreValues& defaults)
{
    applyEdit(state_, edit, defaults, [this](const CurveParameters& p) { setParameters(p); });
}

void Engine::setState(const CurveState& state)
{
    const int oldSide = state_.params.res;
    state_ = state;
    if (state.params.res != oldSide) rebuildCanvas(state.params.res);
}

void Engine::rebuildCanvas(int res)
{
    state_.params.res = res;
    const int side = recordOnly_ ? 1 : res;
    canvas_.reset(side, side, canvasGrey);
    record_.clear(res, canvasGrey);
}

void Engine::changeResolution(int res)
{
    window_.fillRect(window_.bounds(), canvasGrey);
    rebuildCanvas(res);
    state_.restartOnFreshBackground();
}

void Engine::recordOnly(int res)
{
    recordOnly_ = true;
    rebuildCanvas(res);
}

void Engine::clearScreen()
{
    window_.fillRect(window_.bounds(), canvasGrey);
    canvas_.fillRect(canvas_.bounds(), canvasGrey);
    record_.clear(state_.params.res, canvasGrey);
    state_.flags.clearflag = 1;
    state_.restartOnFreshBackground();
}

void Engine::showFixedCircle() { circles_.drawcircles(window_, state_.progress.R, state_.progress.r, 0); }

void Engine::keepCirclesFrame() { circles_.drawcircles(window_, state_.progress.R, state_.progress.r, 2); }

void Engine::putBack(const Surface& picture, const Rect& area)
{
    canvas_.blit({area.left, area.top}, picture, area);
}

void Engine::drawWholeCurve()
{
    state_.startWholeCurve();
    renderer_.drawSteps(std::numeric_limits<long long>::max());
}

}  // namespace trochograph
