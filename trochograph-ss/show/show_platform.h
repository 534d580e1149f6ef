// What the show's renderer needs from the screen it runs on: the picture of the whole
// screen, which it draws the canvas square into, and the cursor pin. The full-screen
// window implements it; the headless preview and the tests implement it with surfaces.
#pragma once

namespace trochograph {

class Surface;

class ShowPlatform {
public:
    virtual ~ShowPlatform() = default;

    // The whole screen, xscreen x res pixels; the renderer shows the canvas in the square
    // of side res centred in it. Whatever changes here the window presents.
    virtual Surface& screen() = 0;
    // Puts the mouse cursor at (10, 10), where movement is measured from, before every
    // step. Without a cursor (headless) it does nothing.
    virtual void pinCursor() = 0;
};

}  // namespace trochograph
