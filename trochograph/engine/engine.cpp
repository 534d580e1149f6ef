#include "engine.h"

#include "engine_platform.h"

namespace trochograph {

Engine::Engine(EnginePlatform& p)
    : platform(p),
      canvas(state.res, state.res, canvasGrey),
      circles(state, canvas, platform),
      renderer(state, canvas, platform, circles, &record),
      introAnimation(state, canvas, platform, circles)
{
    record.clear(state.res, canvasGrey);
}

void Engine::rebuildCanvas(int res)
{
    state.setResolution(res);
    canvas.reset(res, res, canvasGrey);
    record.clear(res, canvasGrey);
}

void Engine::changeResolution(int res)
{
    platform.windowSurface().fillRect(platform.clientRect(), canvasGrey);
    rebuildCanvas(res);
    state.newcurve = 1;
    state.firstloop = 1;
    state.theta = 0.0;
}

void Engine::recordOnly(int res)
{
    state.setResolution(res);
    canvas.reset(1, 1, canvasGrey);
    record.clear(res, canvasGrey);
}

void Engine::clearCanvas()
{
    canvas.fillRect({0, 0, state.res, state.res}, canvasGrey);
    record.clear(state.res, canvasGrey);
}

void Engine::drawWholeCurve()
{
    state.okintro = 0;
    state.firstloop = 1;
    state.newcurve = 1;
    state.theta = 0.0;
    state.okroulette = 1;
    while (state.okroulette) roulette();
}

}  // namespace trochograph
