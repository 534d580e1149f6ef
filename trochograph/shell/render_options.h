// The command line of the headless renderer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "files/plot_settings.h"

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
    // G-code (.gcode, .nc) and sand table tracks (.thr): the options' values, read into
    // `plot` once all are known.
    double plotSize = PlotSettings{}.size;
    std::optional<std::uint32_t> plotOrigin, trackFrom, trackTo;
    std::optional<std::string> penUp, penDown;
    double feed = PlotSettings{}.feed;
    double travelFeed = PlotSettings{}.travelFeed;
    double tolerance = PlotSettings{}.tolerance;
    bool penChange = false;
    bool fit = false;
    std::optional<std::string> previewPng;  // a picture of the machine's path
    bool machineGiven = false;  // an option for either machine format was given
    bool plotterGiven = false;  // one for G-code alone
    bool tableGiven = false;    // one for sand table tracks alone
    PlotSettings plot;
    bool help = false;
};

// `args` are the arguments after --render.
Result<RenderOptions> parseRenderOptions(const std::vector<std::string>& args);

std::string renderUsage();

// The machine options as settings; a pen line that can't be one line of G-code is refused.
Result<PlotSettings> plotSettingsOf(const RenderOptions& options);

}  // namespace trochograph
