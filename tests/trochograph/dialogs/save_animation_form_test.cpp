// Save Animation's form: it offers the last choice on the canvas as it is now, takes what
// is in range and refuses the rest with the dialogs' error box.
#include "dialogs/save_animation_form.h"

#include <gtest/gtest.h>

#include "common/c_numbers.h"
#include "form_driver.h"

namespace trochograph::test {
namespace {

constexpr int secondsBox = 1201, fpsBox = 1202, sideBox = 1203;

TEST(SaveAnimationForm, OffersTheLastChoiceOnTheCanvasAsItIs)
{
    const struct {
        FilmOptions last;
        int canvas;
        const char* side;
    } cases[] = {
        {{30, 10, 0}, 601, "601"},     // the canvas's own
        {{12, 2.5, 300}, 601, "300"},  // smaller, kept
        {{12, 2.5, 800}, 601, "601"},  // larger than this canvas: the canvas's
        {{30, 10, 0}, 9600, "2160"},   // a film's largest
    };
    for (const auto& c : cases) {
        SaveAnimationForm form(c.last, c.canvas);
        EXPECT_EQ(form.text(secondsBox), shortestText(c.last.seconds));
        EXPECT_EQ(form.text(fpsBox), decimalText(c.last.fps));
        EXPECT_EQ(form.text(sideBox), c.side) << c.canvas;
    }
}

TEST(SaveAnimationForm, TakesValuesInRangeAndRefusesTheRest)
{
    const struct {
        const char *seconds, *fps, *side;
        const char* error;  // "" when OK ends the form
        FilmOptions read;
    } cases[] = {
        {"1", "1", "2", "", {1, 1, 2}},
        {"600", "60", "601", "", {60, 600, 0}},  // the canvas's own side follows the canvas
        {"2.5", "24", "300", "", {24, 2.5, 300}},
        {"0.5", "30", "601", "length range: 1 - 600 seconds", {}},
        {"601", "30", "601", "length range: 1 - 600 seconds", {}},
        {"nan", "30", "601", "length range: 1 - 600 seconds", {}},
        {"10", "0", "601", "frames per second range: 1 - 60", {}},
        {"10", "61", "601", "frames per second range: 1 - 60", {}},
        {"10", "30", "1", "film side range: 2 - 601 pixels", {}},
        {"10", "30", "602", "film side range: 2 - 601 pixels", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.seconds) + " " + c.fps + " " + c.side);
        SaveAnimationForm form({}, 601);
        form.type(secondsBox, c.seconds);
        form.type(fpsBox, c.fps);
        form.type(sideBox, c.side);
        FormDriver user(form);
        const FormResult result = user.ok();
        EXPECT_EQ(FormDriver::error(result), c.error);
        if (*c.error) {
            EXPECT_FALSE(result.end);
            EXPECT_EQ(result.error->caption, "Parameter Error");
            continue;
        }
        EXPECT_EQ(result.end, dialogOk);
        const Result<FilmOptions> read = form.read();
        ASSERT_TRUE(read);
        EXPECT_EQ(read->seconds, c.read.seconds);
        EXPECT_EQ(read->fps, c.read.fps);
        EXPECT_EQ(read->side, c.read.side);
    }
}

// The settings file keeps the choice and gives it back; a damaged value costs only itself.
TEST(SaveAnimationForm, TheChoiceRoundTripsThroughTheSettingsFile)
{
    const FilmOptions chosen{24, 2.5, 300};
    const FilmOptions back = filmChoiceFrom(filmChoiceEntries(chosen));
    EXPECT_EQ(back.seconds, 2.5);
    EXPECT_EQ(back.fps, 24);
    EXPECT_EQ(back.side, 300);
    const FilmOptions damaged = filmChoiceFrom({{"seconds", "0.5"}, {"fps", "24x"}, {"side", "300"}});
    EXPECT_EQ(damaged.seconds, FilmOptions{}.seconds);
    EXPECT_EQ(damaged.fps, FilmOptions{}.fps);
    EXPECT_EQ(damaged.side, 300);
}

}  // namespace
}  // namespace trochograph::test
