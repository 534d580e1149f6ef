#include "shell/headless_render.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <new>

#include "common/terminal_progress.h"
#include "engine/engine.h"
#include "files/machine_preview.h"
#include "files/map_palette.h"
#include "files/parameter_text.h"
#include "files/output_rules.h"
#include "shell/curve_film.h"
#include "shell/image_export.h"
#include "shell/parameter_loading.h"

namespace trochograph {

namespace {

// Draws the engine's whole curve, telling `progress` the share drawn when it wants to hear.
void drawTellingProgress(Engine& engine, const std::function<void(double)>& progress, bool wanted)
{
    if (!wanted) return engine.drawWholeCurve();
    const long long steps = std::max(1LL, curveSteps(engine.state()));
    const long long slice = std::max(1LL, steps / 100);
    engine.startWholeCurve();
    for (long long drawn = 0; engine.drawing(); drawn += slice) {
        engine.drawSteps(slice);
        progress(std::min(1.0, static_cast<double>(drawn + slice) / static_cast<double>(steps)));
    }
}

// The error with the name of the file it concerns in front.
Error about(const std::string& name, const Error& error) { return {error.code, name + ": " + error.message}; }

}  // namespace

Result<void> renderHeadless(const RenderOptions& options, SmoothPainter* smooth)
{
    // The options were checked as they were read; the output asks for one of the two.
    const std::filesystem::path output = options.output;
    const Result<OutputChoice> asked = outputChoiceOf(output);
    if (!asked) return asked.error();
    const PictureFormat* format = asked->picture;
    const std::optional<VideoKind> film = asked->film;
    ImageChoice choice{format};
    if (options.antialias) {
        if (!smooth) return Error{ErrorCode::usage, "--antialias: this program can't paint smooth pictures"};
        choice.smooth = true;
    }

    Surface noWindow;
    std::unique_ptr<Engine> engine;
    try {
        engine = std::make_unique<Engine>(noWindow);
        // A smooth picture is painted from the record alone, and a film draws on canvases of
        // its own: no raster canvas of its size here.
        if (choice.smooth || film)
            engine->recordOnly(options.size);
        else
            engine->rebuildCanvas(options.size);
        if (options.params) {
            // Without --size, a PNG picture brings the side it was drawn on.
            ParameterOrigin origin;
            const CarriedSide side = options.sizeGiven ? CarriedSide::ignored : CarriedSide::taken;
            if (auto loaded = loadParametersInto(*engine, *options.params, origin, side); !loaded)
                return about(*options.params, loaded.error());
        }
        CurveParameters p = engine->parameters();
        if (options.palette) {
            const Result<MapTable> table = loadMap(*options.palette);
            if (!table) return about(*options.palette, table.error());
            acceptPalette(*table, p);
        }
        if (options.lineWidth) p.width = *options.lineWidth;
        if (options.scale) p.scale[p.type] = *options.scale;
        if (options.rounding) p.rounding = *options.rounding == 0 ? noRounding : *options.rounding;
        engine->setParameters(p);
        engine->setAnimate(options.animate);

        if (film) {
            TerminalProgress bar(output.filename().string());
            const Result<void> filmed =
                filmCurve(engine->state(), output, {options.fps, options.seconds}, [&](double done) {
                    bar.show(done);
                    return true;
                });
            if (!filmed) return about(output.string(), filmed.error());
            return {};
        }
        // A picture: the drawing takes the first half of the bar, the writing the rest.
        TerminalProgress bar(output.filename().string());
        drawTellingProgress(*engine, [&](double done) { bar.show(done / 2); }, bar.wanted());
        if (auto saved = exportImage(*engine, choice, output, smooth,
                                     [&](double done) {
                                         bar.show(0.5 + done / 2);
                                         return true;
                                     },
                                     options.plot);
            !saved)
            return about(output.string(), saved.error());
        if (options.previewPng) {
            const Result<void> previewed =
                writeMachinePreview(engine->record(), options.plot, format->kind, *options.previewPng,
                                    parameterText(engine->parameters()));
            if (!previewed) return about(*options.previewPng, previewed.error());
        }
    } catch (const std::bad_alloc&) {
        // Only the engine's canvas and record are made here; the side it was making is
        // already in its parameters.
        const int side = engine ? engine->parameters().res : options.size;
        return Error{ErrorCode::noMemory,
                     "not enough memory for a " + std::to_string(side) + " x " + std::to_string(side) + " canvas"};
    }
    return {};
}

}  // namespace trochograph
