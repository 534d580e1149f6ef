#include "show_preview.h"

#include <cerrno>
#include <cstdlib>
#include <new>
#include <optional>

#include "picture_formats.h"
#include "show_preview_render.h"
#include "show_state.h"

namespace trochograph {

namespace {

constexpr int smallestSide = 100;
constexpr int largestSide = 9600;

// A whole number and nothing else, in [low, high].
std::optional<int> wholeNumber(const std::string& text, int low, int high)
{
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < low || v > high) return std::nullopt;
    return static_cast<int>(v);
}

Error failure(std::string message) { return {ErrorCode::usage, std::move(message)}; }

}  // namespace

std::string previewUsage()
{
    return "usage: trochograph-ss --render N --output OUT [--size RES]\n"
           "\n"
           "Draws preset N of the show (0 to " + std::to_string(presetCount - 1) +
           ") complete, as the show's first round draws it, and writes it to OUT (.tga or .png).\n"
           "  --output OUT   the picture to write; its extension picks the format\n"
           "  --size RES     canvas side in pixels, " + std::to_string(smallestSide) + " to " +
           std::to_string(largestSide) + " (default 1080)\n";
}

Result<PreviewOptions> parsePreviewOptions(const std::vector<std::string>& args)
{
    PreviewOptions o;
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        o.help = true;
        return o;
    }
    if (args.empty()) return failure("--render needs a preset number");
    const auto preset = wholeNumber(args[0], 0, presetCount - 1);
    if (!preset)
        return failure("--render takes a preset number from 0 to " + std::to_string(presetCount - 1) + ", not '" +
                       args[0] + "'");
    o.preset = *preset;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name != "--output" && name != "--size") return failure("unknown option '" + name + "'");
        if (i + 1 >= args.size()) return failure(name + " needs a value");
        const std::string& value = args[++i];
        if (name == "--output") {
            o.output = value;
            continue;
        }
        const auto size = wholeNumber(value, smallestSide, largestSide);
        if (!size)
            return failure("--size takes a whole number from " + std::to_string(smallestSide) + " to " +
                           std::to_string(largestSide) + ", not '" + value + "'");
        o.size = *size;
    }
    if (o.output.empty()) return failure("--output is missing");
    // The show keeps no record of its curves to draw them from.
    if (!pictureFormatOf(o.output, false)) return failure(o.output + ": " + pictureNameRule(false));
    return o;
}

Result<void> renderPreview(const PreviewOptions& options)
{
    const PictureFormat* format = pictureFormatOf(options.output, false);
    if (!format) return failure(options.output + ": " + pictureNameRule(false));
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
