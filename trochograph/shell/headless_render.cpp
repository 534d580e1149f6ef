#include "headless_render.h"

#include <filesystem>
#include <new>
#include <stdexcept>

#include "engine.h"
#include "load_result.h"
#include "map_palette.h"
#include "image_export.h"
#include "parameter_file.h"

namespace trochograph {

namespace {

RenderOutcome fail(std::string message) { return {false, std::move(message)}; }

}  // namespace

RenderOutcome renderHeadless(const RenderOptions& options, SmoothPainter* smooth)
{
    const std::filesystem::path output = options.output;
    const std::optional<ImageFormat> named = formatOfName(output);
    if (!named) return fail(output.string() + ": " + imageNameRule);
    ImageFormat format = *named;
    if (options.antialias) {
        if (format != ImageFormat::png) return fail(output.string() + ": --antialias paints .png pictures");
        if (!smooth) return fail("--antialias: this program can't paint smooth pictures");
        format = ImageFormat::smoothPng;
    }

    int side = options.size;  // without --size, a PNG parameter picture's own
    try {
        Surface noWindow;
        Engine engine(noWindow);
        CurveParameters& p = engine.state.params;

        if (options.params) {
            ParameterOrigin origin;
            const LoadResult loaded = loadParameterFile(*options.params, p, origin);
            if (loaded.code != LoadResult::ok) return fail(*options.params + ": " + loaded.message);
            if (origin.picture && !options.sizeGiven) side = p.res;
        }
        if (options.palette) {
            MapTable table;
            const LoadResult loaded = OpenMapFile(*options.palette, table);
            if (loaded.code != LoadResult::ok) return fail(*options.palette + ": " + loaded.message);
            acceptPalette(table, p);
        }
        // A smooth picture is painted from the record alone: no raster canvas of its size.
        if (format == ImageFormat::smoothPng)
            engine.recordOnly(side);
        else
            engine.rebuildCanvas(side);
        if (options.lineWidth) p.width = *options.lineWidth;
        if (options.scale) p.scale[p.type] = *options.scale;
        if (options.rounding) p.rounding = *options.rounding == 0 ? noRounding : *options.rounding;
        engine.state.flags.animate = options.animate ? 1 : 0;

        engine.drawWholeCurve();

        const SaveResult saved = exportImage(engine, format, output, smooth);
        if (!saved) return fail(output.string() + ": " + saved.message);
    } catch (const std::bad_alloc&) {
        return fail("not enough memory for a " + std::to_string(side) + " x " + std::to_string(side) + " canvas");
    } catch (const std::length_error& e) {
        return fail(e.what());
    }
    return {true, {}};
}

}  // namespace trochograph
