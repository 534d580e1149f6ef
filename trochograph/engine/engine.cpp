#include "engine/engine.h"

#include <limits>

namespace trochograph {

Engine::Engine(Surface& w)
    : window(w),
      canvas(state.params.res, state.params.res, canvasGrey),
      circles(state, canvas, &record),
      renderer(state, canvas, window, circles, &record),
      introAnimation(state, canvas, window, circles)
{
    record.clear(state.params.res, canvasGrey);
}

StepRequest Engine::step()
{
    if (state.flags.okintro) return introAnimation.intro();
    if (state.flags.okroulette) return renderer.roulette();
    return {};
}

void Engine::setParameters(const CurveParameters& parameters)
{
    const int oldSide = state.params.res;
    state.params = parameters;
    if (parameters.res != oldSide) changeResolution(parameters.res);
}

void Engine::rebuildCanvas(int res)
{
    state.params.res = res;
    const int side = recordOnly_ ? 1 : res;
    canvas.reset(side, side, canvasGrey);
    record.clear(res, canvasGrey);
}

void Engine::changeResolution(int res)
{
    window.fillRect(window.bounds(), canvasGrey);
    rebuildCanvas(res);
    state.restartOnFreshBackground();
}

void Engine::recordOnly(int res)
{
    recordOnly_ = true;
    rebuildCanvas(res);
}

void Engine::clearScreen()
{
    window.fillRect(window.bounds(), canvasGrey);
    canvas.fillRect(canvas.bounds(), canvasGrey);
    record.clear(state.params.res, canvasGrey);
    state.flags.clearflag = 1;
    state.restartOnFreshBackground();
}

void Engine::showFixedCircle() { circles.drawcircles(window, state.progress.R, state.progress.r, 0); }

void Engine::drawWholeCurve()
{
    state.startWholeCurve();
    renderer.drawSteps(std::numeric_limits<long long>::max());
}

}  // namespace trochograph
