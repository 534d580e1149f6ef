#include "render_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace trochograph {

const char* const renderUsage =
    "usage: trochograph --render --output OUT [--params FILE.rlt] [--palette FILE.map]\n"
    "                   [--size N] [--line-width N] [--scale X] [--rounding N] [--animate]\n"
    "\n"
    "Draws one whole curve without a window and writes it to OUT (.tga or .png).\n"
    "  --output OUT       the picture to write; its extension picks the format\n"
    "  --params FILE      curve parameters from a .rlt file\n"
    "  --palette FILE     colours from a Fractint MAP palette\n"
    "  --size N           canvas side in pixels, 100 to 9600 (default 600)\n"
    "  --line-width N     pen width in pixels, 1 to 5\n"
    "  --scale X          scale factor of the curve, 0.1 to 5.0\n"
    "  --rounding N       ellipse circumference rounding to the nearest 1/N, 0 (none) to 10\n"
    "  --animate          draw with the animated circles; the last ones stay in the picture\n";

namespace {

std::optional<long> wholeNumber(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return std::nullopt;
    return v;
}

std::optional<double> realNumber(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

ParsedRenderOptions failure(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

ParsedRenderOptions parseRenderOptions(const std::vector<std::string>& args)
{
    RenderOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            o.help = true;
            continue;
        }
        if (name == "--animate") {
            o.animate = true;
            continue;
        }
        if (name != "--output" && name != "--params" && name != "--palette" && name != "--size" &&
            name != "--line-width" && name != "--scale" && name != "--rounding")
            return failure("unknown option '" + name + "'");
        if (i + 1 >= args.size()) return failure(name + " needs a value");
        const std::string& value = args[++i];

        auto wholeIn = [&](long low, long high) -> std::optional<int> {
            const auto v = wholeNumber(value);
            if (!v || *v < low || *v > high) return std::nullopt;
            return static_cast<int>(*v);
        };
        auto outOfRange = [&](const char* range) {
            return failure(name + " takes " + range + ", not '" + value + "'");
        };

        if (name == "--output") {
            o.output = value;
        } else if (name == "--params") {
            o.params = value;
        } else if (name == "--palette") {
            o.palette = value;
        } else if (name == "--size") {
            const auto v = wholeIn(100, 9600);
            if (!v) return outOfRange("a whole number from 100 to 9600");
            o.size = *v;
        } else if (name == "--line-width") {
            o.lineWidth = wholeIn(1, 5);
            if (!o.lineWidth) return outOfRange("a whole number from 1 to 5");
        } else if (name == "--rounding") {
            o.rounding = wholeIn(0, 10);
            if (!o.rounding) return outOfRange("a whole number from 0 to 10");
        } else {
            const auto v = realNumber(value);
            if (!v || *v < 0.1 || *v > 5.0) return outOfRange("a number from 0.1 to 5.0");
            o.scale = *v;
        }
    }
    if (!o.help && o.output.empty()) return failure("--output is missing");
    return {o, {}};
}

}  // namespace trochograph
