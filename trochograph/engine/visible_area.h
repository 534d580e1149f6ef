// Where the canvas meets the window: the grey a new canvas and the window's uncovered client
// area show, and the piece of the canvas the window shows.
#pragma once

#include "common/colorref.h"
#include "common/geometry.h"

namespace trochograph {

// The grey a new canvas shows until the first curve paints its background.
constexpr Colorref canvasGrey = 0x00808080;

// What the window shows of the canvas: from (0, 0) to the smaller of the canvas side
// and the client area's right and bottom edges.
inline Rect visibleArea(int res, const Rect& client)
{
    const int w = client.right < res ? client.right : res;
    const int h = client.bottom < res ? client.bottom : res;
    return {0, 0, w > 0 ? w : 0, h > 0 ? h : 0};
}

}  // namespace trochograph
