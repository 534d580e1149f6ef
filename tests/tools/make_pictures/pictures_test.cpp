#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "common/picture.h"
#include "engine/circle_animation.h"
#include "pictures.h"

namespace trochograph::test {
namespace {

using namespace trochograph::pictures;

bool allOf(const Surface& s, const Rect& area, Colorref c)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (s.pixel(x, y) != c) return false;
    return true;
}

std::set<Colorref> colorsIn(const Surface& s, const Rect& area)
{
    std::set<Colorref> colors;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) colors.insert(s.pixel(x, y));
    return colors;
}

// Text is set on plain ground: no curve, circle or emblem runs under a caption.
void expectCaptionsOnPlainGround(const Picture& p, Colorref ground)
{
    for (const Caption& c : p.captions) EXPECT_TRUE(allOf(p.surface, c.box, ground)) << c.text;
}

TEST(Pictures, HaveTheirSizesAndAreTheSameEveryTime)
{
    const struct {
        std::function<Picture()> draw;
        int width, height;
    } cases[] = {
        {drawSplash, 360, 360},
        {drawFarewell, 240, 240},
        {drawAbout, 480, 240},
        {[] { return drawIcon(64); }, 64, 64},
        {[] { return drawIcon(32); }, 32, 32},
        {drawHelpRollingCircles, 720, 200},
        {drawHelpRose, 200, 200},
        {drawHelpCurveSets, 400, 130},
        {drawHelpRollingEllipses, 760, 230},
        {drawHelpRounding, 490, 240},
    };
    for (const auto& c : cases) {
        const Picture first = c.draw();
        EXPECT_EQ(first.surface.width(), c.width);
        EXPECT_EQ(first.surface.height(), c.height);
        EXPECT_TRUE(first.surface == c.draw().surface) << c.width << " x " << c.height;
    }
}

TEST(Pictures, SplashIsAMulticolouredRingInAGreyFrameAroundTheTitle)
{
    const Picture p = drawSplash();
    const Surface& s = p.surface;
    const Colorref black = 0, grey = rgb(150, 150, 150);
    for (const Rect& band : {Rect{0, 0, 360, 4}, Rect{0, 356, 360, 360}, Rect{0, 0, 4, 360}, Rect{356, 0, 360, 360}})
        EXPECT_TRUE(allOf(s, band, black));
    for (const Rect& edge : {Rect{4, 4, 356, 6}, Rect{4, 354, 356, 356}, Rect{4, 4, 6, 356}, Rect{354, 4, 356, 356}})
        EXPECT_TRUE(allOf(s, edge, grey));
    // Nothing drawn touches the frame from inside.
    for (const Rect& gap : {Rect{6, 6, 354, 10}, Rect{6, 350, 354, 354}, Rect{6, 6, 10, 354}, Rect{350, 6, 354, 354}})
        EXPECT_TRUE(allOf(s, gap, black));

    ASSERT_EQ(p.captions.size(), 1u);
    EXPECT_EQ(p.captions[0].text, "Vell Varezuro");
    expectCaptionsOnPlainGround(p, black);
    EXPECT_GT(colorsIn(s, {10, 10, 350, 350}).size(), 200u);
}

TEST(Pictures, FarewellRoseIsGreenAndYellowAboveItsThanks)
{
    const Picture p = drawFarewell();
    const Colorref brown = rgb(52, 30, 16);
    ASSERT_EQ(p.captions.size(), 1u);
    expectCaptionsOnPlainGround(p, brown);
    int curvePixels = 0;
    for (Colorref c : colorsIn(p.surface, {11, 11, 229, 229})) {
        if (c == brown) continue;
        ++curvePixels;
        EXPECT_GE(greenOf(c), 190) << std::hex << c;
        EXPECT_LE(blueOf(c), 70) << std::hex << c;
        EXPECT_GE(redOf(c), 40) << std::hex << c;
    }
    EXPECT_GT(curvePixels, 20);
}

TEST(Pictures, AboutShowsTheCirclesAtWorkBesideTheCredits)
{
    const Picture p = drawAbout();
    const std::set<Colorref> left = colorsIn(p.surface, {0, 0, 240, 240});
    for (Colorref c : {circle_colors::fixedCircle, circle_colors::movingCircle, circle_colors::spokes,
                       circle_colors::armOfTrochoid, circle_colors::penTip})
        EXPECT_TRUE(left.contains(c)) << std::hex << c;

    const Colorref teal = rgb(0, 96, 104);
    expectCaptionsOnPlainGround(p, teal);
    ASSERT_EQ(p.captions.size(), 3u);
    EXPECT_EQ(p.captions[0].text, "Vell Varezuro");
    EXPECT_EQ(p.captions[2].text, "\u00A9 2017 The Trochograph developers");
    EXPECT_GT(colorsIn(p.surface, {240, 0, 480, 90}).size(), 20u) << "the emblem";
}

TEST(Pictures, IconIsADiscWithNothingOutsideAndNoHolesInside)
{
    for (int side : {64, 32}) {
        const Picture p = drawIcon(side);
        ASSERT_TRUE(p.transparent);
        const double centre = (side - 1) * 0.5, radius = side * 0.5;
        int outside = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const bool clear = p.surface.pixel(x, y) == *p.transparent;
                const double distance = std::hypot(x - centre, y - centre);
                if (distance > radius) {
                    EXPECT_TRUE(clear) << x << ", " << y;
                    ++outside;
                } else {
                    EXPECT_FALSE(clear) << x << ", " << y;
                }
            }
        EXPECT_GT(outside, 0);
        EXPECT_GT(colorsIn(p.surface, p.surface.bounds()).size(), 30u) << side;
    }
}

// The desktop's icons at every size: opaque where the screen or the page is, clear around
// them, with no curve pixel lost to the clear colour, and the curve on each.
TEST(Pictures, DesktopIconsAreAScreenAndAPageWithTheirCurves)
{
    for (int side : desktopIconSides) {
        const Picture show = drawShowIcon(side);
        const Picture page = drawParameterFileIcon(side);
        for (const Picture* p : {&show, &page}) {
            ASSERT_EQ(p->surface.width(), side);
            ASSERT_EQ(p->surface.height(), side);
            ASSERT_TRUE(p->transparent);
        }
        const Colorref clear = *show.transparent;

        // The screen spans the whole width at mid-height; the stand leaves the bottom
        // corners clear.
        EXPECT_FALSE(colorsIn(show.surface, {0, side / 2, side, side / 2 + 1}).contains(clear)) << side;
        EXPECT_EQ(show.surface.pixel(0, side - 1), clear) << side;
        EXPECT_EQ(show.surface.pixel(side - 1, side - 1), clear) << side;
        EXPECT_GT(colorsIn(show.surface, {0, side / 4, side, side / 2}).size(), 5u) << side;
        EXPECT_FALSE(show.surface == drawIcon(side).surface) << side;

        // The page is narrower than the icon, its top right corner turned down, and whole
        // below the corner, the program icon on it.
        const int left = side / 8;
        EXPECT_TRUE(allOf(page.surface, {0, 0, left, side}, clear)) << side;
        EXPECT_TRUE(allOf(page.surface, {side - left, 0, side, side}, clear)) << side;
        EXPECT_EQ(page.surface.pixel(side - left - 1, 0), clear) << side;
        EXPECT_NE(page.surface.pixel(side / 4, 0), clear) << side;
        const Rect lower{side / 6, side / 3, side - side / 6, side};
        EXPECT_FALSE(colorsIn(page.surface, lower).contains(clear)) << side;
        EXPECT_GT(colorsIn(page.surface, lower).size(), 8u) << side;
    }
}

}  // namespace
}  // namespace trochograph::test
