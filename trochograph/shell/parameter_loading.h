// Loading a parameter file into the engine, the one way the window's start-up, its Load
// Parameter File command and the headless renderer all do it.
#pragma once

#include <filesystem>

#include "common/result.h"
#include "files/parameter_file.h"

namespace trochograph {

class Engine;

// What becomes of the canvas side a PNG picture carries.
enum class CarriedSide { taken, ignored };

// Reads a .rlt file or a PNG picture that carries parameters. A refused file changes
// nothing; a good one's values are in force from the next step on, so a paused curve
// resumes with them. A picture drawn on a canvas of another side brings a new canvas of its
// side, unless its side is ignored. `origin` tells what kind of file was read, also when it
// was refused.
Result<void> loadParametersInto(Engine& engine, const std::filesystem::path& path, ParameterOrigin& origin,
                                CarriedSide side = CarriedSide::taken);

}  // namespace trochograph
