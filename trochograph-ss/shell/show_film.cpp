#include "shell/show_film.h"

#include <algorithm>
#include <memory>

#include "files/film_driver.h"
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
    Surface screen(side, side, 0);
    Result<std::unique_ptr<FilmDriver>> opened = FilmDriver::open(path, screen, {fps, 0, 0}, progress);
    if (!opened) return opened.error();
    FilmDriver& film = **opened;

    // The show doesn't know its length ahead: the points of a drawing of its own tell how
    // far the film has come, counted only when someone listens.
    const double points = progress ? static_cast<double>(std::max(1LL, presetPoints(preset, side))) : 1;
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
        if (Result<void> added = film.frame(due, std::min(1.0, static_cast<double>(drawn) / points)); !added)
            return added;
    }
    return film.finish();
}

}  // namespace trochograph
