// The machine settings dialogs: what they show, what OK keeps, and the one box for a value
// out of range; and the settings as the settings file keeps them.
#include "dialogs/plot_settings_form.h"

#include <gtest/gtest.h>

#include "form_driver.h"

namespace trochograph::test {
namespace {

enum Id : int {
    sizeBox = 1110, toleranceBox = 1111, centreRadio = 1121, penUpBox = 1130, penDownBox = 1131, feedBox = 1132,
    penChangeBox = 1134, fitBox = 1140, fromEdge = 1142, toEdge = 1144,
};

TEST(PlotSettingsForm, OkKeepsWhatWasEnteredOrSaysWhatIsOutOfRange)
{
    PlotSettings opened;
    opened.size = 150;
    opened.penUp = "M5";
    struct Case {
        Machine machine;
        std::vector<std::pair<int, std::string>> typed;
        std::vector<int> clicked;
        std::string error;  // empty when OK ends the form
        PlotSettings expected = {};
    };
    PlotSettings servo = opened;
    servo.penDown = "M3 S90";
    servo.origin = PlotOrigin::centre;
    servo.penChange = true;
    servo.feed = 900.5;
    PlotSettings table = opened;
    table.tolerance = 0.2;
    table.fit = true;
    table.trackFrom = TrackEnd::edge;
    table.trackTo = TrackEnd::edge;
    const Case cases[] = {
        {Machine::plotter, {}, {}, "", opened},
        {Machine::plotter, {{penDownBox, "M3 S90"}, {feedBox, "900.5"}}, {centreRadio, penChangeBox}, "", servo},
        {Machine::sandTable, {{toleranceBox, "0.2"}}, {fitBox, fromEdge, toEdge}, "", table},
        {Machine::plotter, {{sizeBox, "5"}}, {}, "The plot size must be 10 to 5000 mm."},
        {Machine::sandTable, {{sizeBox, "1,5"}}, {}, "The plot size must be 10 to 5000 mm."},
        {Machine::plotter, {{feedBox, ""}}, {}, "The feeds must be 1 to 100000 mm/min."},
        {Machine::sandTable, {{toleranceBox, "0.001"}}, {}, "The tolerance must be 0.01 to 10 mm."},
        {Machine::plotter, {{penUpBox, "G0 Z5\nM0"}}, {}, "The pen-up line holds a line break."},
        {Machine::plotter, {{penDownBox, ""}}, {}, "The pen-down line is empty."},
    };
    for (const Case& c : cases) {
        PlotSettingsForm form(opened, c.machine);
        for (const auto& [id, text] : c.typed) form.type(id, text);
        for (const int id : c.clicked) form.click(id);
        FormDriver driver{form};
        const FormResult ok = driver.ok();
        EXPECT_EQ(FormDriver::error(ok), c.error) << form.layout().caption;
        if (c.error.empty()) {
            EXPECT_EQ(ok.end, dialogOk);
            EXPECT_EQ(form.settings(), c.expected) << c.expected.penDown;
        } else {
            EXPECT_FALSE(ok.end);
            EXPECT_EQ(form.settings(), opened) << "a refused OK keeps nothing";
        }
    }
    PlotSettingsForm shown(servo, Machine::plotter);
    EXPECT_EQ(shown.text(sizeBox), "150");
    EXPECT_EQ(shown.text(penDownBox), "M3 S90");
    EXPECT_TRUE(shown.checked(centreRadio));
    EXPECT_EQ(shown.press(dialogCancel, {}).end, dialogCancel);
}

TEST(PlotSettingsForm, SettingsFileEntriesReadBackAndDamageCostsOnlyTheValue)
{
    PlotSettings s;
    s.size = 321.5;
    s.origin = PlotOrigin::centre;
    s.penUp = "M5";
    s.penDown = "M3 S90";
    s.feed = 700;
    s.travelFeed = 9000;
    s.penChange = true;
    s.tolerance = 0.125;
    s.fit = true;
    s.trackFrom = TrackEnd::edge;
    EXPECT_EQ(plotSettingsFrom(plotSettingsEntries(s)), s);

    const PlotSettings damaged = plotSettingsFrom(
        {{"size", "9e9"}, {"origin", "left"}, {"penUp", ""}, {"feed", "12abc"}, {"tolerance", "0.5"}, {"bogus", "1"}});
    PlotSettings expected;
    expected.tolerance = 0.5;
    EXPECT_EQ(damaged, expected);
}

}  // namespace
}  // namespace trochograph::test
