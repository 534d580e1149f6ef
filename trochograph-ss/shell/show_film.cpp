#include "shell/show_film.h"

#include <algorithm>
#include <memory>

#include "files/video_writer.h"
#include "show/headless_show_platform.h"
#include "show/show.h"
#include "show/show_preview_render.h"
#include "show/show_state.h"

namespace trochograph {

namespace {

// The film's time a pause takes: the long ones cut to a moment, and a point drawn without
// a pause still takes a little, so that such presets are drawn rather than appear.
double filmedMilliseconds(ShowWait wait, int milliseconds)
{
    constexpr double moment = 400, quickPoint = 0.25;
    switch (wait) {
    case ShowWait::fixedCircle:
    case ShowWait::lastCircles:
    case ShowWait::finishedCurve: return std::min<double>(milliseconds, moment);
    case ShowWait::point: return std::max<double>(milliseconds, quickPoint);
    case ShowWait::none: return 0;
    }
    return 0;
}

}  // namespace

Result<void> filmPreset(int preset, int side, int fps, const std::filesystem::path& path,
                        const ProgressReport& progress)
{
    const std::optional<VideoKind> kind = videoKindOf(path);
    if (!kind) return Error{ErrorCode::usage, "a film must end in .mp4, .webm or .gif"};
    Result<std::unique_ptr<VideoWriter>> opened = VideoWriter::open(path, *kind, side, fps);
    if (!opened) return opened.error();
    VideoWriter& writer = **opened;

    // The show doesn't know its length ahead: the points of a drawing of its own tell how
    // far the film has come, counted only when someone listens.
    const double points = progress ? static_cast<double>(std::max(1LL, presetPoints(preset, side))) : 1;
    Surface screen(side, side, 0);
    HeadlessShowPlatform platform(screen);
    Show show(platform, side, side);
    show.startAt(preset, preset % colorCount);
    const double frameMs = 1000.0 / fps;
    double clock = 0, nextFrame = frameMs;
    long long drawn = 0;
    for (PresetEnd end(preset); !end.reached();) {
        const int wait = show.step();
        end.after(show.lastWait());
        if (show.lastWait() == ShowWait::point) ++drawn;
        clock += filmedMilliseconds(show.lastWait(), wait);
        int due = 0;
        while (clock >= nextFrame) {
            ++due;
            nextFrame += frameMs;
        }
        if (due == 0) continue;
        if (Result<void> added = writer.addFrame(screen, due); !added) return added;
        if (progress && !progress(std::min(1.0, static_cast<double>(drawn) / points)))
            return Error{ErrorCode::cancelled, "the film was stopped"};
    }
    if (Result<void> held = writer.addFrame(screen, fps); !held) return held;
    return writer.finish();
}

}  // namespace trochograph
