// The dialogs' preview: its picture is the whole curve the engine draws at the preview's
// side from the values in the dialog, however the slices fall; values OK would refuse keep
// the last picture and say why; the state it previews is never touched.
#include "dialogs/curve_preview.h"
#include "trochograph/engine/engine_probe.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/forms.h"

namespace trochograph::test {
namespace {

constexpr int side = 240;

// Draws what is under way to its end, `slice` steps at a time.
void drawOut(CurvePreview& preview, long long slice)
{
    int turns = 0;
    while (preview.advance(slice)) ASSERT_LT(++turns, 10000000);
}

// The engine's whole curve of `p` at the preview's side, as the headless renderer draws it.
Surface wholeCurve(const CurveParameters& p)
{
    Surface noWindow;
    Engine engine(noWindow);
    engine.rebuildCanvas(side);
    stateOf(engine).params = CurvePreview::scaledTo(p, side);
    engine.drawWholeCurve();
    return engine.canvas();
}

struct Case {
    const char* name;
    std::function<void(CurveParameters&)> start;  // the window's parameters
    int dialog;
    std::vector<std::pair<int, std::string>> typed;
    std::vector<int> clicks;
    std::function<void(CurveParameters&)> expected;  // what the values make of them
};

TEST(CurvePreview, DrawsTheWholeCurveOfTheDialogsValues)
{
    const auto none = [](CurveParameters&) {};
    const Case cases[] = {
        {"epitrochoid as it starts", none, dialogParameters, {}, {}, none},
        {"hypotrochoid, d typed", [](CurveParameters& p) { p.type = hypotrochoid; }, dialogParameters,
         {{530, "60"}}, {}, [](CurveParameters& p) { p.dpct[hypotrochoid] = 60; }},
        {"rational rose 5 / 3, width 5 on 1200", [](CurveParameters& p) { p.type = rhodoneaRational; },
         dialogParameters, {{510, "1200"}, {515, "5"}, {550, "5"}, {555, "3"}}, {},
         [](CurveParameters& p) {
             p.res = 1200;
             p.width = 5;
             p.kn[rhodoneaRational] = 5;
             p.kd[rhodoneaRational] = 3;
         }},
        {"irrational rose, 100 circuits", [](CurveParameters& p) { p.type = rhodoneaIrrational; }, dialogParameters,
         {{550, "100"}}, {}, [](CurveParameters& p) { p.kn[rhodoneaIrrational] = 100; }},
        {"rolling ellipse chosen in Image Type", none, dialogImageType, {}, {230},
         [](CurveParameters& p) { p.ellipse = 1; }},
        {"one colour on another", none, dialogColors,
         {{630, "255"}, {631, "255"}, {632, "0"}, {633, "0"}, {634, "0"}, {635, "90"}}, {640},
         [](CurveParameters& p) {
             p.multicolor = 0;
             p.fore = rgb(255, 255, 0);
             p.back = rgb(0, 0, 90);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurveState current;
        c.start(current.params);
        const RestoreValues defaults = RestoreValues::capture(current);
        const CurveState before = current;

        const std::unique_ptr<Form> form = makeForm(c.dialog, current.params);
        for (const auto& [id, text] : c.typed) form->type(id, text);
        for (int id : c.clicks) form->click(id);
        CurvePreview preview(current, defaults, side);
        preview.follow(static_cast<const CurveForm&>(*form));
        EXPECT_EQ(preview.refusal(), "");
        drawOut(preview, 777);

        CurveParameters expected = current.params;
        c.expected(expected);
        EXPECT_TRUE(preview.picture() == wholeCurve(expected));
        EXPECT_TRUE(current.params == before.params && current.progress == before.progress);
    }
}

TEST(CurvePreview, RefusedValuesKeepTheLastPictureAndSayWhy)
{
    CurveState current;
    current.params.type = hypotrochoid;
    const RestoreValues defaults = RestoreValues::capture(current);
    const std::unique_ptr<Form> form = makeForm(dialogParameters, current.params);
    const auto& curveForm = static_cast<const CurveForm&>(*form);
    CurvePreview preview(current, defaults, side);
    preview.follow(curveForm);
    drawOut(preview, 100000);
    const Surface first = preview.picture();

    const std::pair<const char*, const char*> refused[] = {
        {"-5", "d percent range: 0 - 100"},
        {"100.5", "d percent range: 0 - 100"},
    };
    for (const auto& [typed, reason] : refused) {
        form->type(530, typed);
        preview.follow(curveForm);
        EXPECT_EQ(preview.refusal(), reason);
        EXPECT_FALSE(preview.drawing());
        EXPECT_TRUE(preview.picture() == first);
    }
    // R = r for a hypotrochoid: a rule over two rows, said on one line.
    form->type(530, "20");
    form->type(520, "40");
    form->type(525, "40");
    preview.follow(curveForm);
    EXPECT_EQ(preview.refusal(), "hypotrochoid: R and r should not be equal");

    // Good values again: a new picture, and no reason.
    form->type(525, "20");
    preview.follow(curveForm);
    EXPECT_EQ(preview.refusal(), "");
    drawOut(preview, 100000);
    EXPECT_EQ(preview.completed(), 2);
    EXPECT_FALSE(preview.picture() == first);
}

}  // namespace
}  // namespace trochograph::test
