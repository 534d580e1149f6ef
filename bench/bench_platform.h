// A platform for benchmarks: a window of a typical desktop size and no pauses.
#pragma once

#include "engine.h"
#include "engine_platform.h"
#include "surface.h"

namespace trochograph::bench {

class BenchPlatform final : public EnginePlatform {
public:
    BenchPlatform(int clientWidth, int clientHeight)
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

}  // namespace trochograph::bench
