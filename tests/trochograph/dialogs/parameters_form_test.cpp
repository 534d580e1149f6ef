// The Image Parameters form: what it shows, and every rule OK applies, in order.
#include "dialogs/parameters_form.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "form_driver.h"

namespace trochograph::test {
namespace {

struct Entry {
    int box;
    const char* text;
};

// Opens the form on `p`, types the entries and presses OK, answering Yes; counts the
// questions asked. The form's edit goes to `edit`.
FormResult okWith(const CurveParameters& p, const std::vector<Entry>& entries, std::size_t* questions = nullptr,
                  CurveEdit* edit = nullptr)
{
    ParametersForm form(p);
    for (const Entry& e : entries) form.type(e.box, e.text);
    FormDriver driver{form};
    const FormResult result = driver.ok();
    if (questions) *questions = driver.questions.size();
    if (edit) *edit = form.edit();
    return result;
}

TEST(ParametersForm, OpensWithTheCurrentTypesValues)
{
    CurveParameters s;
    ParametersForm form(s);
    const std::pair<int, const char*> shown[] = {
        {510, "600"}, {515, "3"}, {520, "44"}, {525, "11"}, {530, "33.0000000000"}, {535, "1.0000000000"},
        {540, "0.0000000000"}, {545, "5"}, {550, "1"}, {555, "1"}, {560, "3"}, {565, "4"}, {568, "4"},
    };
    for (const auto& [id, text] : shown) EXPECT_EQ(form.text(id), text) << id;
    EXPECT_EQ(form.text(578), "kn: rhodonea petal factor numerator ( 1 - 16 )");
    EXPECT_EQ(form.text(582), "rounding factor:   nearest  1 / X   ( 0 - 10 )   0 = none");
    EXPECT_FALSE(form.checked(595));

    // "%.d" leaves zeros out: no rounding, kn 0; speed 0 is the fastest, 10.
    s.type = rhodoneaIrrational;
    s.rounding = noRounding;
    s.speed = 0;
    s.kn[3] = 0;
    s.rottheta = std::numbers::pi / 2;
    ParametersForm rose(s);
    EXPECT_EQ(rose.text(568), "");
    EXPECT_EQ(rose.text(545), "10");
    EXPECT_EQ(rose.text(550), "");
    EXPECT_EQ(rose.text(540), "90.0000000000");
    EXPECT_EQ(rose.text(520), "90");
    EXPECT_EQ(rose.text(578), "rhodonea fixed circle circuits ( 1 - 100 )");
}

TEST(ParametersForm, EnablesTheBoxesOfTheTypeAndEllipseMode)
{
    const struct {
        int type, ellipse, method;
        bool r, d, kn, kd, en, rounding;
    } cases[] = {
        {0, 0, 0, true, true, false, false, false, false},
        {1, 1, 0, true, true, false, false, true, true},
        {1, 1, 1, true, true, false, false, true, false},
        {0, 1, 2, true, true, false, false, true, false},
        {2, 0, 0, false, false, true, true, false, false},
        {3, 0, 0, false, false, true, false, false, false},
    };
    for (const auto& c : cases) {
        CurveParameters s;
        s.type = c.type;
        s.ellipse = c.ellipse;
        s.method = c.method;
        ParametersForm form(s);
        const std::pair<int, bool> enabled[] = {{510, true}, {515, true}, {520, true}, {525, c.r}, {530, c.d},
                                                {535, true}, {540, true}, {545, true}, {550, c.kn}, {555, c.kd},
                                                {560, c.en}, {565, c.en}, {568, c.rounding}};
        for (const auto& [id, on] : enabled) EXPECT_EQ(form.enabled(id), on) << c.type << c.ellipse << c.method << " " << id;
    }
}

TEST(ParametersForm, EveryRuleAtItsBoundaries)
{
    const std::string range0 = "resolution range: 100 - 9600 pixels", width = "line width range: 1 - 5 pixels",
                      radius = "R and r percent range: 5 - 100", d = "d percent range: 0 - 100",
                      scale = "scale range: 0.1 - 5.0", angle = "offset angle range: 0 - 359",
                      speed = "speed range: 1 - 10", petal = "petal factor range: 1 - 16",
                      circuit = "circuit range: 1 - 100", axis = "axis range: 1 - 100; minor must be <= major",
                      rounding = "denominator range: 0 - 10)", equal = "hypotrochoid: R and r should not be equal";
    const struct {
        int type;
        std::vector<Entry> entries;
        std::string error;  // "" when OK ends the form
    } cases[] = {
        {0, {{510, "99"}}, range0},    {0, {{510, "9601"}}, range0},  {0, {{510, "100"}}, ""},
        {0, {{510, "9600"}}, ""},      {0, {{510, "640abc"}}, ""},    {0, {{510, "9999999999"}}, range0},
        {0, {{515, "0"}}, width},      {0, {{515, "6"}}, width},      {0, {{515, " 5"}}, ""},
        {0, {{520, "4"}}, radius},     {0, {{525, "101"}}, radius},   {0, {{520, "5"}, {525, "5"}}, ""},
        {0, {{530, "-0.1"}}, d},       {0, {{530, "100.5"}}, d},      {0, {{530, "xyz"}}, ""},
        {0, {{530, "nan"}}, d},        {0, {{530, "inf"}}, d},        {0, {{530, "1e999"}}, d},
        {0, {{535, "0.09"}}, scale},   {0, {{535, "5.01"}}, scale},   {0, {{535, "0.1"}}, ""},
        {0, {{535, "5"}}, ""},         {0, {{535, "-nan"}}, scale},   {0, {{540, "-1"}}, angle},
        {0, {{540, "359.5"}}, angle},  {0, {{540, "359"}}, ""},       {0, {{540, "NAN"}}, angle},
        {0, {{545, "0"}}, speed},      {0, {{545, "11"}}, speed},     {0, {{545, "10"}}, ""},
        {2, {{550, "0"}}, petal},      {2, {{550, "17"}}, petal},     {2, {{550, "16"}, {555, "16"}}, ""},
        {3, {{550, "101"}}, circuit},  {3, {{550, "100"}}, ""},       {0, {{550, "-5"}}, ""},
        {3, {{555, "17"}}, petal},     {0, {{555, "0"}}, petal},      {0, {{560, "5"}, {565, "4"}}, axis},
        {0, {{560, "4"}, {565, "4"}}, ""}, {0, {{560, "0"}}, axis},   {0, {{565, "101"}}, axis},
        {0, {{568, "11"}}, rounding},  {0, {{568, "-1"}}, rounding},  {0, {{568, ""}}, ""},
        {1, {{520, "50"}, {525, "50"}}, equal},
        // Only the first 29 characters of a box are read: 28 blanks and "7" of "700".
        {0, {{510, "                            700"}}, range0},
    };
    for (const auto& c : cases) {
        CurveParameters s;
        s.type = c.type;
        const FormResult result = okWith(s, c.entries);
        const std::string label = std::to_string(c.type) + " " + std::to_string(c.entries[0].box) + " '" +
                                  c.entries[0].text + "'";
        EXPECT_EQ(FormDriver::error(result), c.error) << label;
        EXPECT_EQ(result.end.has_value(), c.error.empty()) << label;
        if (result.error) {
            EXPECT_EQ(result.error->caption, "Parameter Error");
            EXPECT_EQ(result.error->icon, MessageIcon::warning);
            EXPECT_TRUE(result.error->owned);
        }
    }
}

TEST(ParametersForm, AsksBeforeRadiiThatMayLeaveThePicture)
{
    const struct {
        int type;
        const char *R, *r, *d;
        bool asks;
    } cases[] = {
        {0, "44", "11", "44.9", false}, {0, "44", "11", "45", true},  {1, "88", "66", "78", true},
        {1, "88", "66", "77.99", false}, {1, "60", "50", "89", false}, {2, "100", "100", "100", false},
        {3, "100", "100", "100", false},
    };
    for (const auto& c : cases) {
        CurveParameters s;
        s.type = c.type;
        std::size_t questions = 0;
        const FormResult yes = okWith(s, {{520, c.R}, {525, c.r}, {530, c.d}}, &questions);
        EXPECT_EQ(questions, c.asks ? 1u : 0u) << c.type << " " << c.d;
        EXPECT_EQ(yes.end, dialogOk) << c.type << " " << c.d;
    }

    // No leaves the form open, silent, with the radii as they were.
    const CurveParameters s;
    ParametersForm form(s);
    form.type(530, "45");
    FormDriver driver{form, false};
    const FormResult no = driver.ok();
    EXPECT_FALSE(no.end);
    EXPECT_FALSE(no.error);
    ASSERT_EQ(driver.questions.size(), 1u);
    EXPECT_EQ(driver.questions[0], (Message{"Part(s) of curve may lie outside of\n   image borders. Proceed anyway ?",
                                            "Vell Varezuro", MessageIcon::warning, MessageButtons::yesNo, true}));
    EXPECT_EQ(form.edit().parameters.dpct[0], 33.0);
    EXPECT_FALSE(form.edit().radii);

    // Equal hypotrochoid radii are refused after the question, not before it.
    CurveParameters h;
    h.type = hypotrochoid;
    ParametersForm equal(h);
    equal.type(520, "50");
    equal.type(525, "50");
    equal.type(530, "100");
    FormDriver asked{equal};
    EXPECT_EQ(FormDriver::error(asked.ok()), "hypotrochoid: R and r should not be equal");
    EXPECT_EQ(asked.questions.size(), 1u);
}

TEST(ParametersForm, AFailureKeepsTheRowsBeforeIt)
{
    const CurveParameters before;
    ParametersForm form(before);
    form.type(510, "801");
    form.type(515, "5");
    form.type(520, "30");
    form.type(535, "2.5");
    form.type(540, "90");
    form.type(545, "0");
    form.click(595);
    FormDriver driver{form};
    EXPECT_EQ(FormDriver::error(driver.ok()), "speed range: 1 - 10");
    const CurveEdit& edit = form.edit();
    const CurveParameters& s = edit.parameters;
    EXPECT_EQ(s.res, 801);
    EXPECT_EQ(s.halfres(), 400);
    EXPECT_EQ(s.width, 5);
    EXPECT_EQ(s.scale[0], 2.5);
    EXPECT_TRUE(edit.restart);
    EXPECT_DOUBLE_EQ(s.rottheta, std::numbers::pi / 2);
    EXPECT_EQ(s.speed, 9);
    // The radii and the defaults wait for full success.
    EXPECT_EQ(s.Rpct[0], 44);
    EXPECT_FALSE(edit.radii);
    EXPECT_FALSE(edit.restoreDefaults);
    // The texts stay as typed for another try.
    EXPECT_EQ(form.text(545), "0");
    EXPECT_EQ(driver.press(dialogCancel).end, dialogCancel);
    EXPECT_EQ(form.edit().parameters.res, 801);
}

TEST(ParametersForm, SuccessStoresEveryRowAndSaysWhatFollows)
{
    CurveEdit edit;
    EXPECT_EQ(okWith(CurveParameters{}, {{520, "40"}, {525, "20"}, {530, "12.5"}, {540, "90"}, {545, "10"}, {568, "0"}},
                     nullptr, &edit)
                  .end,
              dialogOk);
    const CurveParameters& s = edit.parameters;
    // Radii, angle, speed and rounding alone restart nothing.
    EXPECT_FALSE(edit.restart);
    EXPECT_TRUE(edit.radii);
    EXPECT_FALSE(edit.restoreDefaults);
    EXPECT_EQ(s.res, 600);
    EXPECT_EQ(s.Rpct[0], 40);
    EXPECT_EQ(s.rpct[0], 20);
    EXPECT_EQ(s.dpct[0], 12.5);
    EXPECT_EQ(s.dbtheta, 90.0);
    EXPECT_EQ(s.speed, 0);
    EXPECT_EQ(s.rounding, noRounding);

    ParametersForm reopened(s);
    EXPECT_EQ(reopened.text(540), "90.0000000000");
    EXPECT_EQ(reopened.text(545), "10");
    EXPECT_EQ(reopened.text(568), "");
    reopened.type(545, "1");
    reopened.type(555, "2");
    reopened.click(595);
    FormDriver driver{reopened};
    EXPECT_EQ(driver.ok().end, dialogOk);
    EXPECT_EQ(reopened.edit().parameters.speed, 17);
    EXPECT_EQ(reopened.edit().parameters.kd[0], 2);
    EXPECT_TRUE(reopened.edit().restart);  // kd changed
    EXPECT_TRUE(reopened.edit().restoreDefaults);
}

}  // namespace
}  // namespace trochograph::test
