#include "engine.h"

#include <cmath>
#include <limits>

#include "engine_platform.h"

namespace trochograph {

Engine::Engine(EnginePlatform& p)
    : platform(p),
      canvas(state.params.res, state.params.res, canvasGrey),
      circles(state, canvas, platform),
      renderer(state, canvas, platform, circles, &record),
      introAnimation(state, canvas, platform, circles)
{
    record.clear(state.params.res, canvasGrey);
}

void Engine::setParameters(const CurveParameters& parameters)
{
    const int oldSide = state.params.res;
    state.params = parameters;
    if (parameters.res != oldSide) changeResolution(parameters.res);
}

void Engine::setDistanceToFocus()
{
    CurveParameters& p = state.params;
    CurveProgress& g = state.progress;
    // The moving radius as last computed; before any curve or parameter change has
    // computed one, the radius the current type's percentage gives.
    const double r = g.r != 0.0 ? g.r : p.pixels(p.rpct[p.type]);
    g.a = r;
    g.b = (static_cast<double>(p.en) / p.ed) * r;
    p.dpct[p.type] = std::sqrt(g.a * g.a - g.b * g.b) * 100 / p.halfres();
    state.restart();
}

void Engine::rebuildCanvas(int res)
{
    state.params.res = res;
    canvas.reset(res, res, canvasGrey);
    record.clear(res, canvasGrey);
}

void Engine::changeResolution(int res)
{
    platform.windowSurface().fillRect(platform.clientRect(), canvasGrey);
    rebuildCanvas(res);
    state.restartOnFreshBackground();
}

void Engine::recordOnly(int res)
{
    state.params.res = res;
    canvas.reset(1, 1, canvasGrey);
    record.clear(res, canvasGrey);
}

void Engine::clearCanvas()
{
    canvas.fillRect({0, 0, state.params.res, state.params.res}, canvasGrey);
    record.clear(state.params.res, canvasGrey);
}

void Engine::drawWholeCurve()
{
    state.flags.okintro = 0;
    state.restartOnFreshBackground();
    state.flags.okroulette = 1;
    renderer.drawSteps(std::numeric_limits<long long>::max());
}

}  // namespace trochograph
