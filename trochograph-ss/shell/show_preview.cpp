#include "shell/show_preview.h"

#include <new>
#include <optional>

#include "common/canvas_limits.h"
#include "common/option_table.h"
#include "common/terminal_progress.h"
#include "files/output_rules.h"
#include "shell/show_film.h"
#include "show/show_preview_render.h"
#include "show/show_state.h"

namespace trochograph {

namespace {

const OptionTable<PreviewOptions>& previewTable()
{
    using O = PreviewOptions;
    const Range<int> presets{0, presetCount - 1};
    const Range<int> side = limits::resolution;
    static const OptionTable<PreviewOptions> table{
        "trochograph-ss --render",
        {},
        "Draws preset N of the show (" + std::to_string(presets.low) + " to " + std::to_string(presets.high) +
            ") complete, as the show's first round draws it, and writes it to OUT (.tga or .png), or films "
            "it as the show draws it (" + filmExtensionList() + ").",
        {
            whole({}, "N", &O::preset, presets, "the preset to draw").called("a preset number").required(),
            path({"--output"}, "OUT", &O::output, "the picture or film to write; its extension picks the format")
                .required(),
            whole({"--size"}, "RES", &O::size, side,
                  "canvas side in pixels, " + std::to_string(side.low) + " to " + std::to_string(side.high) +
                      " (default 1080)"),
            whole({"--fps"}, "N", &O::fps, Range<int>{minFps, maxFps},
                  "a film's frames a second, " + std::to_string(minFps) + " to " + std::to_string(maxFps) +
                      " (default 30)")
                .marking(&O::fpsGiven),
            answer({"--help", "-h"}, &O::help, "print this usage"),
        },
    };
    return table;
}

}  // namespace

std::string previewUsage() { return usageText(previewTable()); }

Result<PreviewOptions> parsePreviewOptions(const std::vector<std::string>& args)
{
    auto parsed = parseOptions(previewTable(), args);
    if (!parsed || parsed->help) return parsed;
    // The show keeps no record of its curves to draw them from.
    const Result<OutputChoice> output = outputChoiceOf(parsed->output, false);
    if (!output) return output.error();
    if (!output->film && parsed->fpsGiven)
        return Error{ErrorCode::usage, "--fps is for films (" + filmExtensionList() + ")"};
    return parsed;
}

Result<void> renderPreview(const PreviewOptions& options)
{
    const Result<OutputChoice> output = outputChoiceOf(options.output, false);
    if (!output) return output.error();
    if (output->film) {
        try {
            TerminalProgress bar(std::filesystem::path(options.output).filename().string());
            // Measuring the progress costs a drawing of the preset: only for a bar.
            ProgressReport report;
            if (bar.wanted())
                report = [&](double done) {
                    bar.show(done);
                    return true;
                };
            const Result<void> filmed = filmPreset(options.preset, options.size, options.fps, options.output, report);
            if (!filmed) return Error{filmed.code(), options.output + ": " + filmed.message()};
            return {};
        } catch (const std::bad_alloc&) {
            return Error{ErrorCode::noMemory, "not enough memory for a " + std::to_string(options.size) + " x " +
                                                  std::to_string(options.size) + " film"};
        }
    }
    const PictureFormat* format = output->picture;
    try {
        const Surface canvas = renderPreset(options.preset, options.size);
        if (auto saved = format->write({canvas}, options.output); !saved)
            return Error{saved.code(), options.output + ": " + saved.message()};
    } catch (const std::bad_alloc&) {
        return Error{ErrorCode::noMemory, "not enough memory for a " + std::to_string(options.size) + " x " +
                                              std::to_string(options.size) + " canvas"};
    }
    return {};
}

}  // namespace trochograph
