#include "shell/show_preview.h"

#include <new>
#include <optional>

#include "common/canvas_limits.h"
#include "common/option_table.h"
#include "files/picture_formats.h"
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
            ") complete, as the show's first round draws it, and writes it to OUT (.tga or .png).",
        {
            whole({}, "N", &O::preset, presets, "the preset to draw").called("a preset number").required(),
            path({"--output"}, "OUT", &O::output, "the picture to write; its extension picks the format").required(),
            whole({"--size"}, "RES", &O::size, side,
                  "canvas side in pixels, " + std::to_string(side.low) + " to " + std::to_string(side.high) +
                      " (default 1080)"),
            answer({"--help", "-h"}, &O::help, "print this usage"),
        },
    };
    return table;
}

Error failure(std::string message) { return {ErrorCode::usage, std::move(message)}; }

}  // namespace

std::string previewUsage() { return usageText(previewTable()); }

Result<PreviewOptions> parsePreviewOptions(const std::vector<std::string>& args)
{
    auto parsed = parseOptions(previewTable(), args);
    if (!parsed || parsed->help) return parsed;
    // The show keeps no record of its curves to draw them from.
    if (!pictureFormatOf(parsed->output, false))
        return Error{ErrorCode::invalid, parsed->output + ": " + pictureNameRule(parsed->output, false)};
    return parsed;
}

Result<void> renderPreview(const PreviewOptions& options)
{
    const PictureFormat* format = pictureFormatOf(options.output, false);
    if (!format) return failure(options.output + ": " + pictureNameRule(options.output, false));
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
