#include "render_options.h"

#include "c_numbers.h"
#include "parameter_limits.h"

namespace trochograph {

std::string renderUsage()
{
    using namespace limits;
    auto range = [](Range<int> r) { return decimalText(r.low) + " to " + decimalText(r.high); };
    return "usage: trochograph --render --output OUT [--params FILE] [--palette FILE.map]\n"
           "                   [--size N] [--line-width N] [--scale X] [--rounding N] [--animate] [--antialias]\n"
           "\n"
           "Draws one whole curve without a window and writes it to OUT (.tga, .png or .svg).\n"
           "  --output OUT       the picture to write; its extension picks the format\n"
           "  --params FILE      curve parameters from a .rlt file, or from a PNG picture this\n"
           "                     program drew, with its size, pen width, scale, rounding and palette\n"
           "  --palette FILE     colours from a Fractint MAP palette\n"
           "  --size N           canvas side in pixels, " + range(resolution) + " (default 600, or the\n"
           "                     --params picture's)\n"
           "  --line-width N     pen width in pixels, " + range(lineWidth) + "\n"
           "  --scale X          scale factor of the curve, " + fixedText(scale.low, 1) + " to " +
           fixedText(scale.high, 1) + "\n"
           "  --rounding N       ellipse circumference rounding to the nearest 1/N, " + decimalText(rounding.low) +
           " (none) to " + decimalText(rounding.high) + "\n"
           "  --animate          draw with the animated circles; the last ones stay in the picture\n"
           "  --antialias        paint the curve smooth into a .png, " + range(smoothSide) + " pixels a side\n";
}

namespace {

ParsedRenderOptions failure(std::string message) { return {std::nullopt, std::move(message)}; }

ParsedRenderOptions sizeOutOfRange(const std::string& value)
{
    return failure("--size takes a whole number from " + decimalText(limits::resolution.low) + " to " +
                   decimalText(limits::resolution.high) + " (" + decimalText(limits::smoothSide.high) +
                   " with --antialias), not '" + value + "'");
}

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
        if (name == "--antialias") {
            o.antialias = true;
            continue;
        }
        if (name != "--output" && name != "--params" && name != "--palette" && name != "--size" &&
            name != "--line-width" && name != "--scale" && name != "--rounding")
            return failure("unknown option '" + name + "'");
        if (i + 1 >= args.size()) return failure(name + " needs a value");
        const std::string& value = args[++i];

        auto wholeIn = [&](Range<int> range) -> std::optional<int> {
            const auto v = exactWholeNumber(value);
            if (!v || !range.contains(*v)) return std::nullopt;
            return static_cast<int>(*v);
        };
        auto outOfRange = [&](Range<int> range) {
            return failure(name + " takes a whole number from " + decimalText(range.low) + " to " +
                           decimalText(range.high) + ", not '" + value + "'");
        };

        if (name == "--output") {
            o.output = value;
        } else if (name == "--params") {
            o.params = value;
        } else if (name == "--palette") {
            o.palette = value;
        } else if (name == "--size") {
            // Smooth posters may be larger; checked once all options are known.
            const auto v = wholeIn(limits::smoothSide);
            if (!v) return sizeOutOfRange(value);
            o.size = *v;
            o.sizeGiven = true;
        } else if (name == "--line-width") {
            o.lineWidth = wholeIn(limits::lineWidth);
            if (!o.lineWidth) return outOfRange(limits::lineWidth);
        } else if (name == "--rounding") {
            o.rounding = wholeIn(limits::rounding);
            if (!o.rounding) return outOfRange(limits::rounding);
        } else {
            const auto v = exactReal(value);
            if (!v || !limits::scale.contains(*v))
                return failure(name + " takes a number from " + fixedText(limits::scale.low, 1) + " to " +
                               fixedText(limits::scale.high, 1) + ", not '" + value + "'");
            o.scale = *v;
        }
    }
    if (!o.help && o.output.empty()) return failure("--output is missing");
    if (!o.antialias && !limits::resolution.contains(o.size)) return sizeOutOfRange(decimalText(o.size));
    return {o, {}};
}

}  // namespace trochograph
