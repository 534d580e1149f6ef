#include "show/show_preview_render.h"

#include "show/headless_show_platform.h"

namespace trochograph {

namespace {

// Draws the preset on `picture`, the screen square itself, and returns its points.
long long drawPreset(Surface& picture, int preset)
{
    HeadlessShowPlatform platform(picture);
    Show show(platform, picture.width(), picture.width());
    show.startAt(preset, preset % colorCount);
    PresetEnd end(preset);
    long long points = 0;
    while (!end.reached()) {
        show.step();
        if (show.lastWait() == ShowWait::point) ++points;
        end.after(show.lastWait());
    }
    return points;
}

}  // namespace

Surface renderPreset(int preset, int res)
{
    Surface picture(res, res, 0);
    drawPreset(picture, preset);
    return picture;
}

long long presetPoints(int preset, int res)
{
    Surface picture(res, res, 0);
    return drawPreset(picture, preset);
}

}  // namespace trochograph
