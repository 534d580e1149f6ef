#include "headless_render.h"

#include <filesystem>
#include <new>
#include <stdexcept>

#include "engine.h"
#include "load_result.h"
#include "map_palette.h"
#include "picture_file.h"
#include "quiet_platform.h"
#include "rlt_file.h"

namespace trochograph {

namespace {

RenderOutcome fail(std::string message) { return {false, std::move(message)}; }

}  // namespace

RenderOutcome renderHeadless(const RenderOptions& options)
{
    const std::filesystem::path output = options.output;
    if (!isPictureName(output)) return fail(output.string() + ": " + pictureNameRule);

    try {
        QuietPlatform platform;  // no window, no pause, no message box
        Engine engine(platform);
        CurveState& s = engine.state;

        if (options.params) {
            const LoadResult loaded = loadrlt(*options.params, s);
            if (loaded.code != LoadResult::ok) return fail(*options.params + ": " + loaded.message);
        }
        if (options.palette) {
            const LoadResult loaded = OpenMapFile(*options.palette, s);
            if (loaded.code != LoadResult::ok) return fail(*options.palette + ": " + loaded.message);
            acceptPalette(s);
        }
        engine.rebuildCanvas(options.size);
        if (options.lineWidth) s.width = *options.lineWidth;
        if (options.scale) s.scale[s.type] = *options.scale;
        if (options.rounding) s.rounding = *options.rounding == 0 ? noRounding : *options.rounding;
        s.animate = options.animate ? 1 : 0;

        engine.drawWholeCurve();

        const SaveResult saved = writePicture(engine.canvas, output);
        if (!saved) return fail(output.string() + ": " + saved.message);
    } catch (const std::bad_alloc&) {
        return fail("not enough memory for a " + std::to_string(options.size) + " x " +
                    std::to_string(options.size) + " canvas");
    } catch (const std::length_error& e) {
        return fail(e.what());
    }
    return {true, {}};
}

}  // namespace trochograph
