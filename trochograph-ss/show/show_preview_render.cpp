#include "show/show_preview_render.h"

#include "show/headless_show_platform.h"
#include "show/show.h"

namespace trochograph {

Surface renderPreset(int preset, int res)
{
    // The screen is the square itself, so the picture needs no copy of its own.
    Surface picture(res, res, 0);
    HeadlessShowPlatform platform(picture);
    Show show(platform, res, res);
    show.startAt(preset, preset % colorCount);
    const int drawings = preset == turnedPreset ? 5 : 1;
    // A curve has ended when the first wait after its last point comes; the screen still
    // shows that point's step then.
    int ended = 0;
    ShowWait previous = ShowWait::none;
    while (ended < drawings) {
        show.step();
        if (previous == ShowWait::point && show.lastWait() != ShowWait::point) ++ended;
        previous = show.lastWait();
    }
    return picture;
}

}  // namespace trochograph
