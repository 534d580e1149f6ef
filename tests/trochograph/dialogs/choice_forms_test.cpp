// The three forms of radio buttons: Image Type, Ellipse Options and the choice of k.
#include <gtest/gtest.h>

#include <cmath>

#include "choose_k_form.h"
#include "curve_state.h"
#include "ellipse_options_form.h"
#include "form_driver.h"
#include "forms.h"
#include "image_type_form.h"

namespace trochograph::test {
namespace {

TEST(ImageTypeForm, OpensOnTheTypeWithTheEllipseBoxOnlyForTrochoids)
{
    for (int type = 0; type < curveTypeCount; ++type) {
        CurveState s;
        s.type = type;
        s.ellipse = 1;
        ImageTypeForm form(s);
        for (int id = 220; id <= 223; ++id) EXPECT_EQ(form.checked(id), id == 220 + type) << type;
        EXPECT_TRUE(form.checked(230));  // disabled, but the tick stays
        EXPECT_EQ(form.enabled(230), type <= 1) << type;
    }
    CurveState s;
    s.type = rhodoneaRational;
    ImageTypeForm form(s);
    form.click(220);
    EXPECT_TRUE(form.enabled(230));
    EXPECT_FALSE(form.checked(222));
    form.click(223);
    EXPECT_FALSE(form.enabled(230));
}

TEST(ImageTypeForm, OkSetsTypeEllipseAndFlags)
{
    const struct {
        int type, ellipse;  // before
        int click[2];       // controls clicked, 0 for none
        int wantType, wantEllipse, wantNewcurve;
        bool thetaReset;
    } cases[] = {
        {0, 0, {0, 0}, 0, 0, 0, false},        // nothing changed: no flag
        {3, 0, {0, 0}, 3, 0, 0, false},
        {0, 0, {230, 0}, 0, 1, 1, false},      // only the ellipse: a new curve, theta kept
        {0, 1, {223, 0}, 3, 0, 1, true},       // a rose never keeps the ellipse
        {1, 0, {230, 222}, 2, 0, 1, true},     // ticked, then disabled by a rose
        {2, 0, {221, 0}, 1, 0, 1, true},
    };
    for (const auto& c : cases) {
        CurveState s;
        s.type = c.type;
        s.ellipse = c.ellipse;
        s.newcurve = 0;
        s.theta = 1.5;
        ImageTypeForm form(s);
        for (int id : c.click)
            if (id) form.click(id);
        FormDriver driver{form};
        EXPECT_EQ(driver.ok().end, dialogOk);
        EXPECT_EQ(s.type, c.wantType) << c.type << " " << c.click[0];
        EXPECT_EQ(s.ellipse, c.wantEllipse) << c.type << " " << c.click[0];
        EXPECT_EQ(s.newcurve, c.wantNewcurve) << c.type << " " << c.click[0];
        EXPECT_EQ(s.theta, c.thetaReset ? 0.0 : 1.5) << c.type << " " << c.click[0];
    }
}

TEST(ChoiceForms, CancelEndsWithTwoAndChangesNothing)
{
    for (int dialog : {dialogImageType, dialogEllipseOptions, dialogChooseK, dialogParameters, dialogColors}) {
        CurveState s;
        s.ellipse = 1;
        const auto form = makeForm(dialog, s);
        for (int id : {221, 230, 322, 330, 425, 640}) form->click(id);
        form->type(510, "9999999");
        FormDriver driver{*form};
        EXPECT_EQ(driver.press(dialogCancel).end, dialogCancel) << dialog;
        EXPECT_EQ(s.type, 0);
        EXPECT_EQ(s.method, circleVaryingR);
        EXPECT_EQ(s.kindex, 0.0);
        EXPECT_EQ(s.multicolor, 1);
        EXPECT_EQ(s.newcurve, 1);
    }
}

TEST(EllipseOptionsForm, OpensUntickedWithTheFocusBoxOffForVaryingD)
{
    for (int method = 0; method <= 2; ++method) {
        CurveState s;
        s.method = method;
        s.focaldistance = 1;
        EllipseOptionsForm form(s);
        EXPECT_TRUE(form.checked(320 + method));
        EXPECT_FALSE(form.checked(330));
        EXPECT_EQ(form.enabled(330), method != 2);
    }
}

TEST(EllipseOptionsForm, FocalDistanceIsAOneShotThatSetsD)
{
    const struct {
        double r;
        int rpct, en, ed, halfres;
        double dpct;
    } cases[] = {
        {110.0, 11, 3, 4, 250, std::sqrt(12100 - 6806.25) * 100 / 250},  // about 29.1033
        {110.0, 11, 4, 4, 250, 0.0},
        {0.0, 44, 3, 4, 250, std::sqrt(110.0 * 110.0 - 82.5 * 82.5) * 100 / 250},  // no r yet: from rpct
    };
    for (const auto& c : cases) {
        CurveState s;
        s.type = hypotrochoid;
        s.method = actualEllipse;
        s.r = c.r;
        s.rpct[hypotrochoid] = c.rpct;
        s.en = c.en;
        s.ed = c.ed;
        s.halfres = c.halfres;
        s.newcurve = 0;
        s.theta = 2.0;
        EllipseOptionsForm form(s);
        form.click(330);
        form.click(322);  // disabled now, but the tick still acts
        FormDriver driver{form};
        EXPECT_EQ(driver.ok().end, dialogOk);
        EXPECT_NEAR(s.dpct[hypotrochoid], c.dpct, 1e-12);
        EXPECT_EQ(s.dpct[epitrochoid], 33.0);
        EXPECT_EQ(s.focaldistance, 0);
        EXPECT_EQ(s.method, circleVaryingD);
        EXPECT_EQ(s.newcurve, 1);
        EXPECT_EQ(s.theta, 0.0);
    }
    EXPECT_NEAR(cases[0].dpct, 29.1033, 1e-4);
}

TEST(EllipseOptionsForm, SameMethodWithoutTheBoxSetsNoFlag)
{
    CurveState s;
    s.newcurve = 0;
    s.theta = 2.0;
    EllipseOptionsForm form(s);
    FormDriver driver{form};
    EXPECT_EQ(driver.ok().end, dialogOk);
    EXPECT_EQ(s.newcurve, 0);
    EXPECT_EQ(s.theta, 2.0);
}

TEST(ChooseKForm, OpensOnKindexAndStoresTheChoiceWithoutAFlag)
{
    CurveState s;
    s.kindex = 4.0;
    s.newcurve = 0;
    ChooseKForm form(s);
    EXPECT_TRUE(form.checked(424));
    form.click(427);
    EXPECT_FALSE(form.checked(424));
    FormDriver driver{form};
    EXPECT_EQ(driver.ok().end, dialogOk);
    EXPECT_EQ(s.kindex, 7.0);
    EXPECT_EQ(ki[7], 10.04987562112089);
    EXPECT_EQ(s.newcurve, 0);
}

TEST(PageForms, HelpPagesEndOnBothButtonsTheFormulaPageOnlyOnClose)
{
    CurveState s;
    for (int dialog : {dialogHelpPage1, dialogHelpPage2}) {
        const auto page = makeForm(dialog, s);
        FormDriver driver{*page};
        EXPECT_EQ(driver.press(dialogOk).end, dialogOk);
        EXPECT_EQ(driver.press(dialogCancel).end, dialogCancel);
    }
    const auto formulae = makeForm(dialogFormulae, s);
    FormDriver driver{*formulae};
    EXPECT_EQ(driver.press(dialogOk).end, dialogOk);
    EXPECT_FALSE(driver.press(dialogCancel).end);
    EXPECT_EQ(makeForm(1000, s), nullptr);
}

}  // namespace
}  // namespace trochograph::test
