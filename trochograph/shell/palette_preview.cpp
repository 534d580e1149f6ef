#include "shell/palette_preview.h"

#include "engine/visible_area.h"

namespace trochograph {

Surface palettePreview(const MapTable& table, Colorref background)
{
    Surface box(previewWidth, previewHeight, canvasGrey);
    // Three nested one-pixel outlines, the middle one lighter.
    constexpr Colorref outer = rgb(205, 215, 225), middle = rgb(215, 225, 235);
    for (int i = 0; i < 3; ++i) {
        const Colorref c = i == 1 ? middle : outer;
        const int right = previewWidth - i, bottom = previewHeight - i;
        box.fillRect({i, i, right, i + 1}, c);
        box.fillRect({i, bottom - 1, right, bottom}, c);
        box.fillRect({i, i, i + 1, bottom}, c);
        box.fillRect({right - 1, i, right, bottom}, c);
    }
    box.fillRect({3, 3, previewWidth - 3, previewHeight - 3}, background);
    // One column of 50 pixels per entry, entry 0 at the left.
    for (int i = 0; i < 256; ++i) {
        const auto& [red, green, blue] = table[static_cast<std::size_t>(i)];
        box.fillRect({20 + i, 25, 21 + i, 75}, rgb(red, green, blue));
    }
    return box;
}

}  // namespace trochograph
