#include "shell/curve_film.h"

#include <cmath>
#include <limits>
#include <memory>

#include "common/c_numbers.h"
#include "engine/engine.h"
#include "files/video_writer.h"

namespace trochograph {

namespace {

// An engine past its intro, at the start of the curve `start` describes, drawing into
// `window`; counting only, it has no canvas to speak of.
std::unique_ptr<Engine> engineAtStart(const CurveState& start, Surface& window, bool counting = false)
{
    auto engine = std::make_unique<Engine>(window);
    if (counting)
        engine->recordOnly(start.params.res);
    else
        engine->rebuildCanvas(start.params.res);
    engine->setState(start);
    engine->startWholeCurve();
    return engine;
}

}  // namespace

long long curveSteps(const CurveState& start)
{
    Surface noWindow;
    CurveState plain = start;
    plain.flags.animate = 0;
    const std::unique_ptr<Engine> engine = engineAtStart(plain, noWindow, true);
    long long steps = 0;
    while (engine->drawing()) {
        engine->drawSteps(1);
        ++steps;
    }
    return steps;
}

Result<void> filmCurve(const CurveState& start, const std::filesystem::path& path, const FilmOptions& options,
                       const ProgressReport& progress)
{
    const std::optional<VideoKind> kind = videoKindOf(path);
    if (!kind) return Error{ErrorCode::usage, "a film must end in .mp4, .webm or .gif"};
    if (!filmSeconds.contains(options.seconds))
        return Error{ErrorCode::usage, "a film's drawing lasts " + decimalText(static_cast<int>(filmSeconds.low)) +
                                           " to " + decimalText(static_cast<int>(filmSeconds.high)) + " seconds"};
    const int side = start.params.res;
    Result<std::unique_ptr<VideoWriter>> opened = VideoWriter::open(path, *kind, side, options.fps);
    if (!opened) return opened.error();
    VideoWriter& writer = **opened;

    const long long steps = curveSteps(start);
    Surface window(side, side, canvasGrey);
    const std::unique_ptr<Engine> engine = engineAtStart(start, window);
    const long long frames = std::max(1LL, std::llround(options.fps * options.seconds));
    long long drawn = 0;
    for (long long frame = 1; frame <= frames; ++frame) {
        // The steps spread evenly over the frames; the last frame draws whatever is left.
        const long long due = frame == frames ? std::numeric_limits<long long>::max() : steps * frame / frames;
        if (due > drawn) engine->drawSteps(due - drawn);
        drawn = due;
        engine->showFrame();
        if (Result<void> added = writer.addFrame(window); !added) return added;
        if (progress && !progress(static_cast<double>(frame) / static_cast<double>(frames)))
            return Error{ErrorCode::cancelled, "the film was stopped"};
    }
    // The finished picture, held a second.
    if (Result<void> held = writer.addFrame(window, options.fps); !held) return held;
    return writer.finish();
}

}  // namespace trochograph
