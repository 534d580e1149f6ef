// The Colors form: six components in order, each stored as soon as it passes.
#include "dialogs/colors_form.h"

#include <gtest/gtest.h>

#include <array>

#include "form_driver.h"

namespace trochograph::test {
namespace {

TEST(ColorsForm, OpensWithTheComponentsAndTheMulticolourBox)
{
    CurveParameters p;
    p.multicolor = 0;
    ColorsForm form(p);
    const std::pair<int, const char*> shown[] = {{630, "255"}, {631, "255"}, {632, "255"},
                                                  {633, "0"},   {634, "0"},   {635, "0"}};
    for (const auto& [id, text] : shown) EXPECT_EQ(form.text(id), text) << id;
    EXPECT_FALSE(form.checked(640));
}

TEST(ColorsForm, OkStoresUpToTheFirstComponentOutOfRange)
{
    const struct {
        int box;
        const char* text;
        std::array<int, 6> components;  // red, green, blue of the curve, then of the background
        bool ends;
    } cases[] = {
        {630, "256", {255, 255, 255, 0, 0, 0}, false},
        {635, "-1", {7, 7, 7, 7, 7, 0}, false},
        {634, "99999999999", {7, 7, 7, 7, 0, 0}, false},
        {633, "1e3", {7, 7, 7, 1, 7, 7}, true},
        {632, "  +12 apples", {7, 7, 12, 7, 7, 7}, true},
        {631, "green", {7, 0, 7, 7, 7, 7}, true},
    };
    for (const auto& c : cases) {
        CurveParameters p;
        p.multicolor = 0;
        ColorsForm form(p);
        for (int id = 630; id <= 635; ++id) form.type(id, "7");
        form.type(c.box, c.text);
        form.click(640);
        FormDriver driver{form};
        const FormResult result = driver.ok();
        const CurveParameters& s = form.edit().parameters;
        EXPECT_EQ(s.multicolor, 1) << c.text;  // stored before any check
        EXPECT_EQ(FormDriver::error(result), c.ends ? "" : "color range: 0 - 255") << c.text;
        EXPECT_EQ(result.end.has_value(), c.ends) << c.text;
        EXPECT_EQ((std::array{s.rfore, s.gfore, s.bfore, s.rback, s.gback, s.bback}), c.components) << c.text;
    }
}

}  // namespace
}  // namespace trochograph::test
