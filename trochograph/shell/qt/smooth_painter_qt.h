// Smooth pictures painted with Qt: QPainter with anti-aliasing, straight into the core's
// pixels. Needs no application object, so the headless renderer can use it too.
#pragma once

#include "shell/smooth_painter.h"

namespace trochograph {

class QtSmoothPainter final : public SmoothPainter {
public:
    [[nodiscard]] Result<void> prepare() override;
    void paint(const DrawingRecord& record, RgbPicture& picture) override;
};

}  // namespace trochograph
