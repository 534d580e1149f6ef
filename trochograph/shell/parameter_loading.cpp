#include "shell/parameter_loading.h"

#include "engine/engine.h"

namespace trochograph {

Result<void> loadParametersInto(Engine& engine, const std::filesystem::path& path, ParameterOrigin& origin,
                                CarriedSide side)
{
    CurveParameters loaded = engine.parameters();
    if (Result<void> read = loadParameterFile(path, loaded, origin); !read) return read;
    if (side == CarriedSide::ignored) loaded.res = engine.parameters().res;
    engine.setParameters(loaded);
    return {};
}

}  // namespace trochograph
