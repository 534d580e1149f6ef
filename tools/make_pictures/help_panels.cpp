#include "help_panels.h"

#include "diagram.h"
#include "help_style.h"

namespace trochograph::pictures {

void separatePanels(Picture& picture, std::initializer_list<Panel> panels)
{
    Surface& s = picture.surface;
    const int bottom = s.height();
    int left = 0;
    for (const Panel& panel : panels) {
        if (left > 0) s.fillRect({left, 8, left + 1, bottom - 8}, help::rule);
        const Rect box = labelBox(panel.name, {left + panel.width / 2, bottom - captionHeight / 2 - 2}, help::noteSize);
        picture.captions.push_back({panel.name, box, help::noteSize, help::note, false, Typeface::sans, false});
        left += panel.width;
    }
}

}  // namespace trochograph::pictures
