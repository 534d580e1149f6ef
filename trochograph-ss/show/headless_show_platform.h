// A show platform without a display: the screen is a surface of the caller's, and the
// cursor pins are only counted. The headless preview, the tests and the benchmarks use it.
#pragma once

#include "show/show_platform.h"

namespace trochograph {

class HeadlessShowPlatform final : public ShowPlatform {
public:
    explicit HeadlessShowPlatform(Surface& screen) : screen_(screen) {}
    Surface& screen() override { return screen_; }
    void pinCursor() override { ++pins_; }
    int pins() const { return pins_; }

private:
    Surface& screen_;
    int pins_ = 0;
};

}  // namespace trochograph
