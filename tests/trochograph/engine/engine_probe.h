// The engine's parts, open to tests and benchmarks that set up states no command makes (a
// curve half-drawn at a chosen angle, say) or drive a part on its own. The program itself
// goes through the engine's operations.
#pragma once

#include "engine/engine.h"

namespace trochograph {

struct EngineProbe {
    static CurveState& state(Engine& e) { return e.state_; }
    static Surface& canvas(Engine& e) { return e.canvas_; }
    static CircleAnimation& circles(Engine& e) { return e.circles_; }
    static Renderer& renderer(Engine& e) { return e.renderer_; }
};

inline CurveState& stateOf(Engine& e) { return EngineProbe::state(e); }
inline Surface& canvasOf(Engine& e) { return EngineProbe::canvas(e); }
inline CircleAnimation& circlesOf(Engine& e) { return EngineProbe::circles(e); }
inline Renderer& rendererOf(Engine& e) { return EngineProbe::renderer(e); }

}  // namespace trochograph
