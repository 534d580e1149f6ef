#include "shell/headless_render.h"

#include <filesystem>
#include <memory>
#include <new>

#include "engine/engine.h"
#include "files/map_palette.h"
#include "shell/image_export.h"
#include "shell/parameter_loading.h"

namespace trochograph {

namespace {

Error refused(std::string message) { return {ErrorCode::usage, std::move(message)}; }

// The error with the name of the file it concerns in front.
Error about(const std::string& name, const Error& error) { return {error.code, name + ": " + error.message}; }

}  // namespace

Result<void> renderHeadless(const RenderOptions& options, SmoothPainter* smooth)
{
    const std::filesystem::path output = options.output;
    const PictureFormat* format = pictureFormatOf(output);
    if (!format) return refused(output.string() + ": " + pictureNameRule(output));
    ImageChoice choice{format};
    if (options.antialias) {
        if (format->kind != PictureKind::png) return refused(output.string() + ": --antialias paints .png pictures");
        if (!smooth) return refused("--antialias: this program can't paint smooth pictures");
        choice.smooth = true;
    }

    Surface noWindow;
    std::unique_ptr<Engine> engine;
    try {
        engine = std::make_unique<Engine>(noWindow);
        // A smooth picture is painted from the record alone: no raster canvas of its size.
        if (choice.smooth)
            engine->recordOnly(options.size);
        else
            engine->rebuildCanvas(options.size);
        CurveParameters& p = engine->state.params;
        if (options.params) {
            // Without --size, a PNG picture brings the side it was drawn on.
            ParameterOrigin origin;
            const CarriedSide side = options.sizeGiven ? CarriedSide::ignored : CarriedSide::taken;
            if (auto loaded = loadParametersInto(*engine, *options.params, origin, side); !loaded)
                return about(*options.params, loaded.error());
        }
        if (options.palette) {
            const Result<MapTable> table = loadMap(*options.palette);
            if (!table) return about(*options.palette, table.error());
            acceptPalette(*table, p);
        }
        if (options.lineWidth) p.width = *options.lineWidth;
        if (options.scale) p.scale[p.type] = *options.scale;
        if (options.rounding) p.rounding = *options.rounding == 0 ? noRounding : *options.rounding;
        engine->state.flags.animate = options.animate ? 1 : 0;

        engine->drawWholeCurve();

        if (auto saved = exportImage(*engine, choice, output, smooth); !saved)
            return about(output.string(), saved.error());
    } catch (const std::bad_alloc&) {
        // Only the engine's canvas and record are made here; the side it was making is
        // already in its parameters.
        const int side = engine ? engine->state.params.res : options.size;
        return Error{ErrorCode::noMemory,
                     "not enough memory for a " + std::to_string(side) + " x " + std::to_string(side) + " canvas"};
    }
    return {};
}

}  // namespace trochograph
