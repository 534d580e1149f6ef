#include "engine.h"

namespace trochograph {

Engine::Engine(EnginePlatform& p)
    : platform(p),
      canvas(state.res, state.res, canvasGrey),
      circles(state, canvas, platform),
      renderer(state, canvas, platform, circles),
      introAnimation(state, canvas, platform, circles)
{
}

void Engine::rebuildCanvas(int res)
{
    state.setResolution(res);
    canvas.reset(res, res, canvasGrey);
}

}  // namespace trochograph
