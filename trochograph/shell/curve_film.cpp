#include "shell/curve_film.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "common/c_numbers.h"
#include "engine/engine.h"
#include "files/film_driver.h"

namespace trochograph {

namespace {

// The share of a film's progress that counting its steps takes: a few per cent, about
// what it costs beside the drawing and encoding.
constexpr double countingShare = 0.05;
// Steps counted between two looks at the progress: a few milliseconds' worth.
constexpr long long countingSlice = 1 << 14;

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

Result<long long> countCurveSteps(const CurveState& start, const ProgressReport& progress)
{
    Surface noWindow;
    CurveState plain = start;
    plain.flags.animate = 0;
    const std::unique_ptr<Engine> engine = engineAtStart(plain, noWindow, true);
    long long steps = 0;
    while (engine->drawing()) {
        engine->drawSteps(1);
        ++steps;
        if (steps % countingSlice != 0 || !progress) continue;
        const CurveProgress& at = engine->state().progress;
        const double end = at.st[engine->parameters().type];
        const double share = end > 0 ? std::clamp(at.theta / end, 0.0, 1.0) : 0.0;
        if (!progress(share)) return Error{ErrorCode::cancelled, "the film was stopped"};
    }
    return steps;
}

long long curveSteps(const CurveState& start)
{
    const Result<long long> steps = countCurveSteps(start, {});
    return steps ? *steps : 0;
}

Result<void> filmCurve(const CurveState& start, const std::filesystem::path& path, const FilmOptions& options,
                       const ProgressReport& progress)
{
    if (!filmSeconds.contains(options.seconds))
        return Error{ErrorCode::usage, "a film's drawing lasts " + decimalText(static_cast<int>(filmSeconds.low)) +
                                           " to " + decimalText(static_cast<int>(filmSeconds.high)) + " seconds"};
    const int side = start.params.res;
    Surface window(side, side, canvasGrey);
    Result<std::unique_ptr<FilmDriver>> opened =
        FilmDriver::open(path, window, {options.fps, options.side, start.params.back}, progress);
    if (!opened) return opened.error();
    FilmDriver& film = **opened;

    const Result<long long> counted = countCurveSteps(start, [&](double done) {
        return static_cast<bool>(film.report(done * countingShare));
    });
    if (!counted) return counted.error();
    const long long steps = *counted;
    const std::unique_ptr<Engine> engine = engineAtStart(start, window);
    const long long frames = std::max(1LL, std::llround(options.fps * options.seconds));
    long long drawn = 0;
    for (long long frame = 1; frame <= frames; ++frame) {
        // The steps spread evenly over the frames; the last frame draws whatever is left.
        const long long due = frame == frames ? std::numeric_limits<long long>::max() : steps * frame / frames;
        if (due > drawn) engine->drawSteps(due - drawn);
        drawn = due;
        engine->showFrame();
        const double done = countingShare + (1 - countingShare) * static_cast<double>(frame) / static_cast<double>(frames);
        if (Result<void> added = film.frame(1, done); !added) return added;
    }
    return film.finish();
}

}  // namespace trochograph
