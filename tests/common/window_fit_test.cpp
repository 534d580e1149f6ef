#include <gtest/gtest.h>

#include "common/window_fit.h"

namespace trochograph::test {
namespace {

TEST(WindowFit, WindowsAreMovedInAndCutOnlyWhereTooLarge)
{
    // 1366 x 768 with a 27-pixel panel at the top.
    const Rect panelled{0, 27, 1366, 768};
    struct Case {
        Rect window, kept;
    } const cases[] = {
        {{10, 40, 500, 400}, {10, 40, 500, 400}},      // inside: untouched
        {{0, 0, 1366, 730}, {0, 27, 1366, 757}},       // under the panel: moved down
        {{0, 0, 1366, 768}, {0, 27, 1366, 768}},       // too tall: moved, then cut
        {{900, 500, 1400, 800}, {866, 468, 1366, 768}}, // off the far corner: moved back
        {{-50, 30, 1500, 100}, {0, 30, 1366, 100}},    // too wide: cut to the width
        {{5, 27, 0, 27}, {5, 27, 5, 27}},              // no size stays without size
    };
    for (const Case& c : cases) EXPECT_EQ(keptInside(c.window, panelled), c.kept) << c.window.left << "," << c.window.top;
    EXPECT_EQ(keptInside({1, 2, 3, 4}, Rect{}), (Rect{1, 2, 3, 4}));
}

}  // namespace
}  // namespace trochograph::test
