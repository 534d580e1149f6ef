// The three forms of radio buttons: Image Type, Ellipse Options and the choice of k.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/choose_k_form.h"
#include "dialogs/colors_form.h"
#include "dialogs/ellipse_options_form.h"
#include "dialogs/forms.h"
#include "dialogs/image_type_form.h"
#include "dialogs/parameters_form.h"
#include "engine/curve_edit.h"
#include "form_driver.h"

namespace trochograph::test {
namespace {

TEST(ImageTypeForm, OpensOnTheTypeWithTheEllipseBoxOnlyForTrochoids)
{
    for (int type = 0; type < curveTypeCount; ++type) {
        CurveParameters p;
        p.type = type;
        p.ellipse = 1;
        ImageTypeForm form(p);
        for (int id = 220; id <= 223; ++id) EXPECT_EQ(form.checked(id), id == 220 + type) << type;
        EXPECT_TRUE(form.checked(230));  // disabled, but the tick stays
        EXPECT_EQ(form.enabled(230), type <= 1) << type;
    }
    CurveParameters p;
    p.type = rhodoneaRational;
    ImageTypeForm form(p);
    form.click(220);
    EXPECT_TRUE(form.enabled(230));
    EXPECT_FALSE(form.checked(222));
    form.click(223);
    EXPECT_FALSE(form.enabled(230));
}

TEST(ImageTypeForm, OkSetsTypeAndEllipseAndRestartsOnAChange)
{
    const struct {
        int type, ellipse;  // before
        int click[2];       // controls clicked, 0 for none
        int wantType, wantEllipse;
        bool restart;   // another type: the curve starts again
        bool newCurve;  // the ellipse box changed: a new set-up, from the angle reached
    } cases[] = {
        {0, 0, {0, 0}, 0, 0, false, false},  // nothing changed
        {3, 0, {0, 0}, 3, 0, false, false},
        {0, 0, {230, 0}, 0, 1, false, true},    // only the moving piece
        {0, 1, {223, 0}, 3, 0, true, false},    // a rose never keeps the ellipse
        {1, 0, {230, 222}, 2, 0, true, true},   // ticked, then disabled by a rose
        {2, 0, {221, 0}, 1, 0, true, false},
    };
    for (const auto& c : cases) {
        CurveParameters p;
        p.type = c.type;
        p.ellipse = c.ellipse;
        ImageTypeForm form(p);
        for (int id : c.click)
            if (id) form.click(id);
        FormDriver driver{form};
        EXPECT_EQ(driver.ok().end, dialogOk);
        const CurveEdit& edit = form.edit();
        EXPECT_EQ(edit.parameters.type, c.wantType) << c.type << " " << c.click[0];
        EXPECT_EQ(edit.parameters.ellipse, c.wantEllipse) << c.type << " " << c.click[0];
        EXPECT_EQ(edit.restart, c.restart) << c.type << " " << c.click[0];
        EXPECT_EQ(edit.newCurve, c.newCurve) << c.type << " " << c.click[0];
    }
}

TEST(ChoiceForms, CancelEndsWithTwoAndLeavesTheParametersAsTheyWere)
{
    for (int dialog : {dialogImageType, dialogEllipseOptions, dialogChooseK, dialogParameters, dialogColors}) {
        CurveParameters p;
        p.ellipse = 1;
        const auto form = makeForm(dialog, p);
        for (int id : {221, 230, 322, 330, 425, 640}) form->click(id);
        form->type(510, "9999999");
        FormDriver driver{*form};
        EXPECT_EQ(driver.press(dialogCancel).end, dialogCancel) << dialog;
        const CurveEdit& edit = dynamic_cast<const CurveForm&>(*form).edit();
        EXPECT_TRUE(edit.parameters == p) << dialog;
        EXPECT_FALSE(edit.restart || edit.radii || edit.focalDistance || edit.restoreDefaults) << dialog;
    }
}

TEST(EllipseOptionsForm, OpensUntickedWithTheFocusBoxOffForVaryingD)
{
    for (int method = 0; method <= 2; ++method) {
        CurveParameters p;
        p.method = method;
        EllipseOptionsForm form(p);
        EXPECT_TRUE(form.checked(320 + method));
        EXPECT_FALSE(form.checked(330));
        EXPECT_EQ(form.enabled(330), method != 2);
    }
}

TEST(EllipseOptionsForm, OkAsksForTheFocusAndRestartsOnAnotherMethod)
{
    const struct {
        int click[2];
        int wantMethod;
        bool focus, restart;
    } cases[] = {
        {{0, 0}, circleVaryingR, false, false},
        {{330, 322}, circleVaryingD, true, true},  // disabled by "d varies", but the tick still acts
        {{330, 0}, circleVaryingR, true, false},
        {{320, 0}, actualEllipse, false, true},
    };
    for (const auto& c : cases) {
        EllipseOptionsForm form(CurveParameters{});
        for (int id : c.click)
            if (id) form.click(id);
        FormDriver driver{form};
        EXPECT_EQ(driver.ok().end, dialogOk);
        EXPECT_EQ(form.edit().parameters.method, c.wantMethod) << c.click[0];
        EXPECT_EQ(form.edit().focalDistance, c.focus) << c.click[0];
        EXPECT_EQ(form.edit().restart, c.restart) << c.click[0];
    }
}

TEST(ChooseKForm, OpensOnKindexAndStoresTheChoiceWithoutARestart)
{
    CurveParameters p;
    p.kindex = 4.0;
    ChooseKForm form(p);
    EXPECT_TRUE(form.checked(424));
    form.click(427);
    EXPECT_FALSE(form.checked(424));
    FormDriver driver{form};
    EXPECT_EQ(driver.ok().end, dialogOk);
    EXPECT_EQ(form.edit().parameters.kindex, 7.0);
    EXPECT_EQ(ki[7], 10.04987562112089);
    EXPECT_FALSE(form.edit().restart);
}

TEST(PageForms, HelpPagesEndOnBothButtonsTheFormulaPageOnlyOnClose)
{
    const CurveParameters p;
    for (int dialog : {dialogHelpPage1, dialogHelpPage2}) {
        const auto page = makeForm(dialog, p);
        FormDriver driver{*page};
        EXPECT_EQ(driver.press(dialogOk).end, dialogOk);
        EXPECT_EQ(driver.press(dialogCancel).end, dialogCancel);
    }
    const auto formulae = makeForm(dialogFormulae, p);
    FormDriver driver{*formulae};
    EXPECT_EQ(driver.press(dialogOk).end, dialogOk);
    EXPECT_FALSE(driver.press(dialogCancel).end);
    EXPECT_EQ(makeForm(1000, p), nullptr);
}

// The preview's edit is the one OK leaves, the questions on the way answered as the
// preview answers them; values OK refuses give the preview the rule OK reports.
TEST(CurveForms, ThePreviewReadsTheValuesAsOkDoes)
{
    using Values = std::vector<std::pair<int, std::string>>;
    const struct {
        const char* name;
        std::function<std::unique_ptr<CurveForm>(const CurveParameters&)> open;
        Values typed;
        std::vector<int> clicks;
    } cases[] = {
        {"first irrational rose", [](const CurveParameters& p) { return std::make_unique<ImageTypeForm>(p, true); }, {},
         {223}},
        {"ellipse box alone", [](const CurveParameters& p) { return std::make_unique<ImageTypeForm>(p); }, {}, {230}},
        {"ellipse method and focus", [](const CurveParameters& p) { return std::make_unique<EllipseOptionsForm>(p); },
         {}, {321, 330}},
        {"k", [](const CurveParameters& p) { return std::make_unique<ChooseKForm>(p); }, {}, {427}},
        {"side, R past the border, defaults", [](const CurveParameters& p) { return std::make_unique<ParametersForm>(p); },
         {{510, "320"}, {520, "90"}, {535, "2"}}, {595}},
        {"a row refused after a stored one",
         [](const CurveParameters& p) { return std::make_unique<ParametersForm>(p); }, {{510, "320"}, {545, "11"}}, {}},
        {"colours", [](const CurveParameters& p) { return std::make_unique<ColorsForm>(p); }, {{635, "255"}}, {640}},
        {"a colour refused", [](const CurveParameters& p) { return std::make_unique<ColorsForm>(p); }, {{631, "256"}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CurveParameters p;
        p.ellipse = 1;
        const std::unique_ptr<CurveForm> form = c.open(p);
        for (const auto& [id, text] : c.typed) form->type(id, text);
        for (const int id : c.clicks) form->click(id);
        const Result<CurveEdit> preview = form->pendingEdit();
        const FormResult ok = form->press(dialogOk, CurveForm::previewAnswer);
        ASSERT_EQ(preview.ok(), ok.end == dialogOk);
        if (preview)
            EXPECT_TRUE(*preview == form->edit());
        else
            EXPECT_EQ(preview.message(), FormDriver::error(ok));
    }
}

// Before any curve was set up, "Set d to focal distance" takes the moving radius the
// type's r percentage gives, as a user sees it in the Parameters dialog, rather than a
// radius of 0, which would put d at 0.
TEST(EllipseOptionsForm, FocalDistanceBeforeAnyCurveUsesTheRadiusOfItsPercentage)
{
    CurveState s;
    s.params.en = 3;
    s.params.ed = 4;
    EllipseOptionsForm form(s.params);
    form.click(330);
    ASSERT_EQ(FormDriver{form}.ok().end, dialogOk);
    applyEdit(s, form.edit(), RestoreValues::capture(s), [&](const CurveParameters& edited) { s.params = edited; });
    const double r = s.params.pixels(s.params.rpct[epitrochoid]);
    EXPECT_GT(r, 0.0);
    EXPECT_DOUBLE_EQ(s.params.dpct[epitrochoid], std::sqrt(r * r - 0.5625 * r * r) * 100 / s.params.halfres());
}

}  // namespace
}  // namespace trochograph::test
