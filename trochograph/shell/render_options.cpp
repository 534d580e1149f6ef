#include "shell/render_options.h"

#include "common/c_numbers.h"
#include "common/option_table.h"
#include "engine/parameter_limits.h"
#include "files/output_rules.h"
#include "shell/curve_film.h"

namespace trochograph {

namespace {

const OptionTable<RenderOptions>& renderTable()
{
    using O = RenderOptions;
    using namespace limits;
    auto range = [](Range<int> r) { return decimalText(r.low) + " to " + decimalText(r.high); };
    static const OptionTable<RenderOptions> table{
        "trochograph --render",
        {},
        "Draws one whole curve without a window and writes it to OUT (.tga, .png or .svg), or films its "
        "drawing (" + filmExtensionList() + ").",
        {
            path({"--output"}, "OUT", &O::output, "the picture or film to write; its extension picks the format")
                .required(),
            path({"--params"}, "FILE", &O::params,
                 "curve parameters from a .rlt file, or from a PNG picture this program drew, with its size, "
                 "pen width, scale, rounding and palette"),
            path({"--palette"}, "FILE.map", &O::palette, "colours from a Fractint MAP palette"),
            // Smooth posters may be larger; parseRenderOptions checks the side once all options are known.
            whole({"--size"}, "N", &O::size, smoothSide,
                  "canvas side in pixels, " + range(resolution) + " (default 600, or the --params picture's)")
                .takes("a whole number from " + range(resolution) + " (" + decimalText(smoothSide.high) +
                       " with --antialias)")
                .marking(&O::sizeGiven),
            whole({"--line-width"}, "N", &O::lineWidth, lineWidth, "pen width in pixels, " + range(lineWidth)),
            real({"--scale"}, "X", &O::scale, scale,
                 "scale factor of the curve, " + fixedText(scale.low, 1) + " to " + fixedText(scale.high, 1)),
            whole({"--rounding"}, "N", &O::rounding, rounding,
                  "ellipse circumference rounding to the nearest 1/N, " + decimalText(rounding.low) + " (none) to " +
                      decimalText(rounding.high)),
            flag({"--animate"}, &O::animate, "draw with the animated circles; the last ones stay in the picture"),
            flag({"--antialias"}, &O::antialias,
                 "paint the curve smooth into a .png, " + range(smoothSide) + " pixels a side"),
            whole({"--fps"}, "N", &O::fps, Range<int>{minFps, maxFps},
                  "a film's frames a second, " + range({minFps, maxFps}) + " (default 30)")
                .marking(&O::filmTimingGiven),
            real({"--duration"}, "SECONDS", &O::seconds, filmSeconds,
                 "how long a film's drawing takes, " + decimalText(static_cast<int>(filmSeconds.low)) + " to " +
                     decimalText(static_cast<int>(filmSeconds.high)) +
                     " (default 10); the finished picture is held a second more")
                .marking(&O::filmTimingGiven),
            answer({"--help", "-h"}, &O::help, "print this usage"),
        },
    };
    return table;
}

}  // namespace

std::string renderUsage() { return usageText(renderTable()); }

Result<RenderOptions> parseRenderOptions(const std::vector<std::string>& args)
{
    auto parsed = parseOptions(renderTable(), args);
    if (!parsed || parsed->help) return parsed;
    const RenderOptions& o = *parsed;
    const Result<OutputChoice> output = outputChoiceOf(o.output);
    if (!output) return output.error();
    if (!output->film && o.filmTimingGiven)
        return Error{ErrorCode::usage, "--fps and --duration are for films (" + filmExtensionList() + ")"};
    if (o.antialias && (!output->picture || output->picture->kind != PictureKind::png))
        return Error{ErrorCode::usage, "--antialias paints .png pictures, not " + o.output};
    if (!o.antialias && !limits::resolution.contains(o.size))
        return refusedValue(renderTable().option("--size"), "--size", decimalText(o.size));
    return parsed;
}

}  // namespace trochograph
