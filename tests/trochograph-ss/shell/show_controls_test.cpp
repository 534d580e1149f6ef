// The show's input rules: the speed keys and their sounds, what ends the show, and input
// that waits for a long pause to end.
#include "shell/show_controls.h"

#include <gtest/gtest.h>

#include <string>

namespace trochograph::test {
namespace {

using Sounds = std::vector<ShowSound>;
constexpr ShowSound change = ShowSound::change, limit = ShowSound::limit;

TEST(ShowControls, SpeedKeysStepThroughTheDelaysWithASoundEach)
{
    const struct {
        std::string keys;  // f faster, s slower, e Enter
        int speed;
        Sounds sounds;
    } cases[] = {
        {"", 5, {}},
        {"f", 1, {change}},
        {"ff", 0, {change, change}},
        {"fff", 0, {change, change, limit}},
        {"s", 10, {change}},
        {"ss", 10, {change, limit}},
        {"ssfff", 0, {change, limit, change, change, change}},
        {"eee", 5, {}},
    };
    for (const auto& c : cases) {
        ShowControls controls(true);
        controls.start();
        for (char k : c.keys) controls.key(k == 'f' ? ShowKey::faster : k == 's' ? ShowKey::slower : ShowKey::enter);
        EXPECT_EQ(controls.speed(), c.speed) << c.keys;
        EXPECT_EQ(controls.takeSounds(), c.sounds) << c.keys;
        EXPECT_TRUE(controls.takeSounds().empty());
        EXPECT_FALSE(controls.ended()) << c.keys;
    }
}

TEST(ShowControls, OtherKeysButtonsAndMovementBeyondFivePixelsEndTheShow)
{
    const struct {
        const char* what;
        std::function<void(ShowControls&)> input;
        bool pinned;
        bool ends;
    } cases[] = {
        {"another key", [](ShowControls& c) { c.key(ShowKey::other); }, true, true},
        {"a button", [](ShowControls& c) { c.mouseButton(); }, true, true},
        {"3 pixels from the pin", [](ShowControls& c) { c.mouseMoved({13, 7}); }, true, false},
        {"5 pixels from the pin", [](ShowControls& c) { c.mouseMoved({15, 5}); }, true, false},
        {"6 pixels across", [](ShowControls& c) { c.mouseMoved({16, 10}); }, true, true},
        {"6 pixels down", [](ShowControls& c) { c.mouseMoved({10, 16}); }, true, true},
        // Unpinned, movement counts from where the mouse was first seen.
        {"first report far away", [](ShowControls& c) { c.mouseMoved({500, 300}); }, false, false},
        {"then 3 pixels", [](ShowControls& c) { c.mouseMoved({500, 300}); c.mouseMoved({503, 297}); }, false, false},
        {"then 6 pixels", [](ShowControls& c) { c.mouseMoved({500, 300}); c.mouseMoved({494, 300}); }, false, true},
    };
    for (const auto& c : cases) {
        ShowControls controls(c.pinned);
        controls.start();
        c.input(controls);
        EXPECT_EQ(controls.ended(), c.ends) << c.what;
    }
}

TEST(ShowControls, InputBeforeTheStartIsIgnored)
{
    ShowControls controls(true);
    controls.key(ShowKey::other);
    controls.key(ShowKey::faster);
    controls.mouseMoved({500, 500});
    controls.start();
    EXPECT_FALSE(controls.ended());
    EXPECT_EQ(controls.speed(), 5);
    EXPECT_TRUE(controls.takeSounds().empty());
}

TEST(ShowControls, InputDuringALongPauseActsWhenThePauseEnds)
{
    ShowControls controls(true);
    controls.start();
    controls.hold(true);
    controls.key(ShowKey::faster);
    controls.key(ShowKey::other);
    controls.key(ShowKey::faster);
    EXPECT_FALSE(controls.ended());
    EXPECT_EQ(controls.speed(), 5);
    controls.hold(false);
    EXPECT_TRUE(controls.ended());
    EXPECT_EQ(controls.speed(), 1) << "what came after the ending key never applies";
    EXPECT_EQ(controls.takeSounds(), Sounds{change});
}

}  // namespace
}  // namespace trochograph::test
