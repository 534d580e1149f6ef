// The command line of the headless renderer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/result.h"

namespace trochograph {

struct RenderOptions {
    std::string output;
    std::optional<std::string> params;   // .rlt file or PNG picture that carries parameters
    std::optional<std::string> palette;  // .map file
    int size = 600;
    bool sizeGiven = false;  // --size was given; else a PNG parameter picture's side replaces 600
    std::optional<int> lineWidth;
    std::optional<double> scale;
    std::optional<int> rounding;  // 0 means no rounding
    bool animate = false;
    bool antialias = false;  // a smooth picture painted from the curves, up to smoothSide
    // Films: frames a second, and how long the drawing takes.
    int fps = 30;
    double seconds = 10;
    bool filmTimingGiven = false;  // --fps or --duration was given
    bool help = false;
};

// `args` are the arguments after --render.
Result<RenderOptions> parseRenderOptions(const std::vector<std::string>& args);

std::string renderUsage();

}  // namespace trochograph
