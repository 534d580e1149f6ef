#include <gtest/gtest.h>

#include "common/picture.h"
#include "panels.h"
#include "picture_image.h"

namespace trochograph::test {
namespace {

using namespace trochograph::pictures;

TEST(Panels, FrameLiesJustInsideItsRectangle)
{
    Surface s(7, 6);
    frame(s, {1, 1, 7, 5}, 1, red);
    EXPECT_EQ(picture(s), "\n......."
                          "\n.RRRRRR"
                          "\n.R....R"
                          "\n.R....R"
                          "\n.RRRRRR"
                          "\n.......");
    Surface thick(7, 6);
    frame(thick, {0, 0, 7, 6}, 2, blue);
    EXPECT_EQ(picture(thick), "\nBBBBBBB"
                              "\nBBBBBBB"
                              "\nBB...BB"
                              "\nBB...BB"
                              "\nBBBBBBB"
                              "\nBBBBBBB");
}

TEST(Panels, DiscOfAnEvenBoxIsCentredBetweenPixelsAndClipped)
{
    Surface s(5, 5);
    fillDisc(s, {0, 0, 4, 4}, red);
    EXPECT_EQ(picture(s), "\n.RR.."
                          "\nRRRR."
                          "\nRRRR."
                          "\n.RR.."
                          "\n.....");
    // Mostly off the surface: only the quarter that lies on it is set.
    Surface corner(3, 3);
    fillDisc(corner, {-2, -2, 2, 2}, blue);
    EXPECT_EQ(picture(corner), "\nBB."
                               "\nB.."
                               "\n...");
}

TEST(Panels, OverlaySkipsTheClearColourAndClips)
{
    Surface src(3, 2, 0x00123456);
    src.setPixel(0, 0, red);
    src.setPixel(2, 1, blue);
    Surface target(4, 3);
    overlay(target, {-1, 1}, src, 0x00123456);
    EXPECT_EQ(picture(target), "\n...."
                               "\n...."
                               "\n.B..");
    overlay(target, {3, 0}, src, 0x00123456);
    EXPECT_EQ(target.pixel(3, 0), red);
}

TEST(Panels, MixMovesEachChannelSeparately)
{
    EXPECT_EQ(mix(rgb(0, 100, 200), rgb(255, 100, 0), 0), rgb(0, 100, 200));
    EXPECT_EQ(mix(rgb(0, 100, 200), rgb(255, 100, 0), 256), rgb(255, 100, 0));
    EXPECT_EQ(mix(rgb(0, 100, 200), rgb(255, 100, 0), 128), rgb(127, 100, 100));
}

TEST(PictureImage, KeepsChannelsAndMakesTheClearColourTransparent)
{
    Picture p{Surface(3, 2, rgb(10, 20, 30)), {}, rgb(10, 20, 30)};
    p.surface.setPixel(0, 0, red);
    p.surface.setPixel(2, 1, blue);
    const QImage image = toImage(p);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);

    p.transparent.reset();
    EXPECT_EQ(toImage(p).pixel(1, 0), qRgb(10, 20, 30));
}

}  // namespace
}  // namespace trochograph::test
