// What the curve engine needs from the program around it: the window's picture and size,
// sleeping, the cursor and an information box. The window shell implements it for real;
// the headless renderer and the tests implement it with plain surfaces.
#pragma once

#include <string>

#include "geometry.h"

namespace trochograph {

class Surface;

enum class CursorShape { wait, cross };

class EnginePlatform {
public:
    virtual ~EnginePlatform() = default;

    // The picture the user sees in the main window's client area. Apart from what the
    // engine draws into it, its part that shows the canvas must match the canvas: the
    // shell repaints it from the canvas when it changes it. Without a window: 0 x 0.
    virtual Surface& windowSurface() = 0;
    // The client rectangle of the main window, with (0, 0) at its top-left corner.
    virtual Rect clientRect() const = 0;
    virtual void sleepMs(int milliseconds) = 0;
    virtual void setCursor(CursorShape shape) = 0;
    // A modal information box; returns when the user has closed it.
    virtual void showInformation(const std::string& text, const std::string& caption) = 0;
};

// What the window shows of the canvas: from (0, 0) to the smaller of the canvas side
// and the client area's right and bottom edges.
inline Rect visibleArea(int res, const Rect& client)
{
    const int w = client.right < res ? client.right : res;
    const int h = client.bottom < res ? client.bottom : res;
    return {0, 0, w > 0 ? w : 0, h > 0 ? h : 0};
}

}  // namespace trochograph
