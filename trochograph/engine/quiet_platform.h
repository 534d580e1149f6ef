// A platform for drawing without anyone watching: the headless renderer, the picture
// tool, benchmarks. It never pauses and never asks; its window surface has a chosen
// client size, 0 x 0 for no window at all.
#pragma once

#include "engine.h"
#include "engine_platform.h"
#include "surface.h"

namespace trochograph {

class QuietPlatform final : public EnginePlatform {
public:
    explicit QuietPlatform(int clientWidth = 0, int clientHeight = 0)
        : window_(clientWidth, clientHeight, canvasGrey), client_{0, 0, clientWidth, clientHeight}
    {
    }
    Surface& windowSurface() override { return window_; }
    Rect clientRect() const override { return client_; }
    void sleepMs(int) override {}
    void setCursor(CursorShape) override {}
    void showInformation(const std::string&, const std::string&) override {}

private:
    Surface window_;
    Rect client_;
};

}  // namespace trochograph
