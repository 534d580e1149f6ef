#include "shell/render_options.h"

#include "common/c_numbers.h"
#include "common/option_table.h"
#include "engine/parameter_limits.h"
#include "files/output_rules.h"
#include "shell/curve_film.h"

namespace trochograph {

namespace {

// The named values of the machine options, read into an index.
Result<long long> readOrigin(std::string_view text, std::string_view spelling)
{
    if (const auto origin = originNamed(text)) return static_cast<long long>(*origin);
    return Error{ErrorCode::badValue, std::string(spelling) + " takes corner or centre, not '" + std::string(text) + "'"};
}
Result<long long> readTrackEnd(std::string_view text, std::string_view spelling)
{
    if (const auto end = trackEndNamed(text)) return static_cast<long long>(*end);
    return Error{ErrorCode::badValue, std::string(spelling) + " takes centre or edge, not '" + std::string(text) + "'"};
}

const OptionTable<RenderOptions>& renderTable()
{
    using O = RenderOptions;
    using namespace limits;
    auto range = [](Range<int> r) { return decimalText(r.low) + " to " + decimalText(r.high); };
    static const OptionTable<RenderOptions> table{
        "trochograph --render",
        {},
        "Draws one whole curve without a window and writes it to OUT (.tga, .png or .svg), as G-code for a pen "
        "plotter (.gcode or .nc) or a track for a sand table (.thr), or films its drawing (" +
            filmExtensionList() + ").",
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
            real({"--plot-size"}, "MM", &O::plotSize, plot_limits::size,
                 "G-code: the side of the square the canvas is drawn on; .thr: the table's diameter; in mm, " +
                     rangeText(plot_limits::size) + " (default 200)")
                .takes("a number from " + rangeText(plot_limits::size))
                .marking(&O::machineGiven),
            real({"--tolerance"}, "MM", &O::tolerance, plot_limits::tolerance,
                 "how far the machine's path may stray from the curve, in mm, " + rangeText(plot_limits::tolerance) +
                     " (default 0.05)")
                .takes("a number from " + rangeText(plot_limits::tolerance))
                .marking(&O::machineGiven),
            custom({"--plot-origin"}, "corner|centre", &O::plotOrigin, readOrigin, "corner or centre",
                   "G-code's (0, 0) at the square's lower-left corner (default) or its centre")
                .marking(&O::plotterGiven),
            path({"--pen-up"}, "LINE", &O::penUp, "the G-code line that lifts the pen (default G0 Z5)")
                .called("a G-code line")
                .marking(&O::plotterGiven),
            path({"--pen-down"}, "LINE", &O::penDown, "the G-code line that lowers the pen (default G1 Z0 F500)")
                .called("a G-code line")
                .marking(&O::plotterGiven),
            real({"--feed"}, "MM/MIN", &O::feed, plot_limits::feed,
                 "G-code's feed while drawing, " + rangeText(plot_limits::feed) + " (default 1500)")
                .takes("a number from " + rangeText(plot_limits::feed))
                .marking(&O::plotterGiven),
            real({"--travel-feed"}, "MM/MIN", &O::travelFeed, plot_limits::feed,
                 "G-code's feed with the pen up (default 3000)")
                .takes("a number from " + rangeText(plot_limits::feed))
                .marking(&O::plotterGiven),
            flag({"--pen-change"}, &O::penChange, "G-code pauses (M0) for a pen of the next colour between colours")
                .marking(&O::plotterGiven),
            path({"--preview-png"}, "FILE.png", &O::previewPng,
                 "also draw what the machine will do into a PNG picture: the pen's path or the table's track, "
                 "with the moves between strokes and the track's joins thin in red")
                .marking(&O::machineGiven),
            flag({"--fit"}, &O::fit, ".thr: scale a curve reaching beyond the table's edge in to it")
                .marking(&O::tableGiven),
            custom({"--thr-from"}, "centre|edge", &O::trackFrom, readTrackEnd, "centre or edge",
                   "where the .thr track starts: at the table's centre (default) or its edge")
                .marking(&O::tableGiven),
            custom({"--thr-to"}, "centre|edge", &O::trackTo, readTrackEnd, "centre or edge",
                   "where the .thr track ends: at the table's centre (default) or its edge")
                .marking(&O::tableGiven),
            answer({"--help", "-h"}, &O::help, "print this usage"),
        },
    };
    return table;
}

}  // namespace

Result<PlotSettings> plotSettingsOf(const RenderOptions& o)
{
    PlotSettings plot;
    plot.size = o.plotSize;
    if (o.plotOrigin) plot.origin = static_cast<PlotOrigin>(*o.plotOrigin);
    if (o.penUp) plot.penUp = *o.penUp;
    if (o.penDown) plot.penDown = *o.penDown;
    plot.feed = o.feed;
    plot.travelFeed = o.travelFeed;
    plot.penChange = o.penChange;
    plot.tolerance = o.tolerance;
    plot.fit = o.fit;
    if (o.trackFrom) plot.trackFrom = static_cast<TrackEnd>(*o.trackFrom);
    if (o.trackTo) plot.trackTo = static_cast<TrackEnd>(*o.trackTo);
    // The numbers were range-checked as they were read; a pen line has rules of its own.
    for (const auto& [spelling, line] : {std::pair{"--pen-up", &plot.penUp}, std::pair{"--pen-down", &plot.penDown}})
        if (const auto problem = penLineProblem(*line)) return Error{ErrorCode::badValue, spelling + (" " + *problem)};
    return plot;
}

std::string renderUsage() { return usageText(renderTable()); }

Result<RenderOptions> parseRenderOptions(const std::vector<std::string>& args)
{
    auto parsed = parseOptions(renderTable(), args);
    if (!parsed || parsed->help) return parsed;
    RenderOptions& o = *parsed;
    const Result<OutputChoice> output = outputChoiceOf(o.output);
    if (!output) return output.error();
    if (!output->film && o.filmTimingGiven)
        return Error{ErrorCode::usage, "--fps and --duration are for films (" + filmExtensionList() + ")"};
    if (o.antialias && (!output->picture || output->picture->kind != PictureKind::png))
        return Error{ErrorCode::usage, "--antialias paints .png pictures, not " + o.output};
    if (!o.antialias && !limits::resolution.contains(o.size))
        return refusedValue(renderTable().option("--size"), "--size", decimalText(o.size));
    const PictureKind kind = output->picture ? output->picture->kind : PictureKind::targa;
    const bool plotter = kind == PictureKind::gcode, table = kind == PictureKind::thetaRho;
    if (!plotter && !table && (o.machineGiven || o.plotterGiven || o.tableGiven))
        return Error{ErrorCode::usage, "the plot options are for G-code (.gcode, .nc) and sand table tracks (.thr)"};
    if (!plotter && o.plotterGiven)
        return Error{ErrorCode::usage, "--plot-origin, --pen-up, --pen-down, --feed, --travel-feed and --pen-change "
                                       "are for G-code (.gcode, .nc)"};
    if (!table && o.tableGiven)
        return Error{ErrorCode::usage, "--fit, --thr-from and --thr-to are for sand table tracks (.thr)"};
    if (o.previewPng && lowerExtension(*o.previewPng) != ".png")
        return Error{ErrorCode::badValue, "--preview-png must end in .png, not " + *o.previewPng};
    if (Result<PlotSettings> plot = plotSettingsOf(o); !plot)
        return plot.error();
    else
        o.plot = *plot;
    return parsed;
}

}  // namespace trochograph
