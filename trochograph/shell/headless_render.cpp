#include "headless_render.h"

#include <filesystem>
#include <new>

#include "engine.h"
#include "image_export.h"
#include "map_palette.h"
#include "parameter_file.h"

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
    if (!format) return refused(output.string() + ": " + pictureNameRule());
    ImageChoice choice{format};
    if (options.antialias) {
        if (format->kind != PictureKind::png) return refused(output.string() + ": --antialias paints .png pictures");
        if (!smooth) return refused("--antialias: this program can't paint smooth pictures");
        choice.smooth = true;
    }

    int side = options.size;  // without --size, a PNG parameter picture's own
    try {
        Surface noWindow;
        Engine engine(noWindow);
        CurveParameters& p = engine.state.params;

        if (options.params) {
            ParameterOrigin origin;
            if (auto loaded = loadParameterFile(*options.params, p, origin); !loaded)
                return about(*options.params, loaded.error());
            if (origin.picture && !options.sizeGiven) side = p.res;
        }
        if (options.palette) {
            const Result<MapTable> table = loadMap(*options.palette);
            if (!table) return about(*options.palette, table.error());
            acceptPalette(*table, p);
        }
        // A smooth picture is painted from the record alone: no raster canvas of its size.
        if (choice.smooth)
            engine.recordOnly(side);
        else
            engine.rebuildCanvas(side);
        if (options.lineWidth) p.width = *options.lineWidth;
        if (options.scale) p.scale[p.type] = *options.scale;
        if (options.rounding) p.rounding = *options.rounding == 0 ? noRounding : *options.rounding;
        engine.state.flags.animate = options.animate ? 1 : 0;

        engine.drawWholeCurve();

        if (auto saved = exportImage(engine, choice, output, smooth); !saved)
            return about(output.string(), saved.error());
    } catch (const std::bad_alloc&) {
        // The canvas and the record are the engine's, made before any file is written.
        return Error{ErrorCode::noMemory,
                     "not enough memory for a " + std::to_string(side) + " x " + std::to_string(side) + " canvas"};
    }
    return {};
}

}  // namespace trochograph
