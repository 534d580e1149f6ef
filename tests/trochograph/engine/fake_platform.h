// An engine platform for tests: a window surface of a chosen client size, and logs of the
// sleeps, cursor changes and information boxes the engine asked for.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine.h"
#include "engine_platform.h"
#include "surface.h"

namespace trochograph::test {

class FakePlatform final : public EnginePlatform {
public:
    explicit FakePlatform(int clientWidth = 0, int clientHeight = 0)
        : window(clientWidth, clientHeight, canvasGrey), client{0, 0, clientWidth, clientHeight}
    {
    }

    Surface& windowSurface() override { return window; }
    Rect clientRect() const override { return client; }
    void sleepMs(int ms) override { sleeps.push_back(ms); }
    void setCursor(CursorShape shape) override { cursors.push_back(shape); }
    void showInformation(const std::string& text, const std::string& caption) override
    {
        boxes.emplace_back(text, caption);
    }

    Surface window;
    Rect client;
    std::vector<int> sleeps;
    std::vector<CursorShape> cursors;
    std::vector<std::pair<std::string, std::string>> boxes;
};

// Renders until the curve is complete; returns the number of renderer calls.
inline int renderWholeCurve(Engine& engine, int limit = 1000000)
{
    engine.state.flags.okintro = 0;
    engine.state.flags.okroulette = 1;
    int calls = 0;
    while (engine.state.flags.okroulette && calls < limit) {
        engine.roulette();
        ++calls;
    }
    return calls;
}

}  // namespace trochograph::test
