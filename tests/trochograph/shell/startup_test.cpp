#include <gtest/gtest.h>

#include "shell/startup.h"

namespace trochograph::test {
namespace {

TEST(Startup, CanvasSideFollowsTheScreenHeight)
{
    const std::pair<int, int> cases[] = {{1080, 600}, {720, 592}, {601, 473}, {600, 472}, {200, 100}, {0, 100}};
    for (const auto& [height, res] : cases) EXPECT_EQ(startResolution({1920, height}), res) << height;
}

TEST(Startup, WindowsAreCentredWithHalvesRoundedDown)
{
    const ScreenSize hd{1920, 1080};
    EXPECT_EQ(mainWindowFrame(hd), (Rect{0, 0, 1920, 1042}));
    EXPECT_EQ(centredPicture(hd, 360, 360), (Rect{780, 360, 1140, 720}));
    EXPECT_EQ(centredPicture(hd, 240, 240), (Rect{840, 420, 1080, 660}));
    EXPECT_EQ(centredPicture(hd, 480, 240), (Rect{720, 420, 1200, 660}));
    EXPECT_EQ(centredPicture({1365, 768}, 360, 360).left, 502);
}

TEST(Startup, CommandLineFileKeepsUnquotedNamesWhole)
{
    EXPECT_EQ(commandLineFile("\"C:\\curves\\rose.rlt\""), "C:\\curves\\rose.rlt");
    EXPECT_EQ(commandLineFile("rose.rlt"), "rose.rlt");
    EXPECT_EQ(commandLineFile("\"\""), "");
    EXPECT_EQ(commandLineFile(""), "");
    EXPECT_EQ(commandLineFile("\"half.rlt"), "\"half.rlt");
    EXPECT_EQ(commandLineFile("\""), "\"");
}

TEST(Startup, DisplayNeedsTwentyFourBits)
{
    EXPECT_FALSE(displayDepthSuffices(16));
    EXPECT_TRUE(displayDepthSuffices(24));
    EXPECT_TRUE(displayDepthSuffices(32));
    EXPECT_STREQ(startupError(errorNoGraphics), "Couldn't initialize graphics.");
}

}  // namespace
}  // namespace trochograph::test
