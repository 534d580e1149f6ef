#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <cstring>
#include <tuple>
#include <map>

#include "dialogs/curve_preview.h"
#include "fake_window.h"
#include "shell/commands.h"
#include "shell/main_controller.h"
#include "trochograph/engine/engine_steps.h"

namespace trochograph::test {
namespace {

struct MainControllerTest : ::testing::Test {
    FakeWindow host{800, 500};
    Engine engine{host.picture};
    CurveState& s = stateOf(engine);
    MainController controller{engine, host};

    void SetUp() override
    {
        s.params.speed = 0;
        s.flags.okintro = 0;  // most tests start after the intro
    }
    // Runs the posted commands as the window's queue would, in order.
    void runPosted()
    {
        while (!host.posted.empty()) {
            const int next = host.posted.front();
            host.posted.erase(host.posted.begin());
            controller.command(next);
        }
    }
    void startRendering()
    {
        controller.command(cmdRender);
        engine.step();
    }
    std::string lastMessage() const { return host.messages.empty() ? "" : host.messages.back().text; }
    // Draws the preview of the form's values to its end, then cancels.
    int previewThenCancel(Form& form)
    {
        EXPECT_NE(host.preview, nullptr);
        if (host.preview) {
            host.preview->follow(static_cast<const CurveForm&>(form));
            while (host.preview->advance(5000)) {
            }
            EXPECT_EQ(host.preview->completed(), 1);
        }
        return *FormDriver{form}.press(dialogCancel).end;
    }
};

TEST_F(MainControllerTest, RenderingIgnoresEveryCommandButAboutAndNoKeyButPause)
{
    startRendering();
    const CurveState before = s;
    for (int id : {cmdLoadParameters, cmdSaveImageAndParameters, cmdSaveParameters, cmdExit, cmdRender, cmdImageType,
                   cmdEllipseOptions, cmdChooseK, cmdParameters, cmdAnimate, cmdColors, cmdMapFile,
                   cmdDefaultPalette, cmdClear, cmdConclude, cmdHelpTopics, cmdHelpPage2, cmdFormulae})
        controller.command(id);
    controller.keyDown(KeyPress::d);
    controller.keyDown(KeyPress::other);
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.posted.empty());
    EXPECT_EQ(host.shutdowns, 0);
    EXPECT_EQ(s.flags.okroulette, 1);
    EXPECT_EQ(s.flags.animate, before.flags.animate);
    EXPECT_EQ(s.flags.debug, before.flags.debug);

    // About answers with the message box instead of the window.
    controller.command(cmdAbout);
    EXPECT_EQ(host.aboutWindows, 0);
    EXPECT_EQ(lastMessage(), std::string("Vell Varezuro:\n\n") + aboutCredit);
}

TEST_F(MainControllerTest, TheIntroIsStoppedByPauseOrAMouseButtonAndGuardsCommands)
{
    s.flags.okintro = 1;
    controller.command(cmdRender);
    EXPECT_EQ(s.flags.okroulette, 0);
    controller.command(cmdAbout);
    EXPECT_EQ(host.aboutWindows, 0) << "the About window needs an idle program";
    controller.keyDown(KeyPress::pause);
    EXPECT_EQ(s.flags.stopintro, 1);

    s.flags.stopintro = 0;
    controller.mouseButton();
    EXPECT_EQ(s.flags.stopintro, 1);

    // D works during the intro.
    controller.keyDown(KeyPress::d);
    EXPECT_EQ(s.flags.debug, 1);
    EXPECT_EQ(lastMessage(), "Debugging display turned on.");
}

TEST_F(MainControllerTest, PauseResumeAndConclude)
{
    startRendering();
    EXPECT_FALSE(controller.idle());
    for (int i = 0; i < 50; ++i) engine.step();
    controller.keyDown(KeyPress::pause);
    EXPECT_EQ(s.flags.okroulette, 0);
    EXPECT_TRUE(controller.concludable());
    EXPECT_TRUE(controller.idle());
    const double theta = s.progress.theta;

    controller.command(cmdRender);  // resume: the same curve goes on
    EXPECT_EQ(s.flags.okroulette, 1);
    EXPECT_FALSE(controller.concludable());
    engine.step();
    EXPECT_DOUBLE_EQ(s.progress.theta, theta + s.params.increment);

    controller.mouseButton();  // pause by mouse
    EXPECT_TRUE(controller.concludable());
    controller.command(cmdClear);  // Clear leaves okconclude alone
    controller.command(cmdConclude);
    EXPECT_FALSE(controller.concludable());
    EXPECT_EQ(s.flags.newcurve, 1);
    EXPECT_EQ(s.progress.theta, 0.0);
    EXPECT_EQ(lastMessage(),
              "Rendering of the current curve is concluded.\n\nA new curve can be superimposed, the screen\n"
              "      can be cleared, or a new screen resolution\n      or background color can be selected.");
    const std::size_t shown = host.messages.size();
    controller.command(cmdConclude);  // a second time: nothing
    EXPECT_EQ(host.messages.size(), shown);
}

TEST_F(MainControllerTest, PauseKeyShowsTheAngleOnlyForTheIrrationalRoseInDebugMode)
{
    s.params.type = 3;
    s.flags.debug = 1;
    startRendering();
    host.messages.clear();
    controller.mouseButton();
    EXPECT_TRUE(host.messages.empty()) << "a mouse button pauses without the angle";

    controller.command(cmdRender);
    for (int i = 0; i < 10; ++i) engine.step();
    controller.keyDown(KeyPress::pause);
    ASSERT_EQ(host.messages.size(), 1u);
    char expected[64];
    std::snprintf(expected, sizeof expected, "theta: %.15f", s.progress.theta);
    EXPECT_EQ(host.messages[0], (Message{expected, "Vell Varezuro", MessageIcon::none}));

    s.params.type = 0;
    controller.command(cmdRender);
    engine.step();
    controller.keyDown(KeyPress::pause);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(MainControllerTest, DebugKeyTogglesWhileNotRendering)
{
    controller.keyDown(KeyPress::d);
    EXPECT_EQ(host.messages.back(), (Message{"Debugging display turned on.", "Vell Varezuro"}));
    controller.keyDown(KeyPress::d);
    EXPECT_EQ(s.flags.debug, 0);
    EXPECT_EQ(lastMessage(), "Debugging display turned off.");
}

// The window steps through the controller: it passes the engine's pause on and shows the
// debug display's closure figures before the new curve's first segment.
TEST_F(MainControllerTest, StepsPassThePauseOnAndShowTheClosureFigures)
{
    EXPECT_EQ(controller.step(), std::nullopt) << "nothing is drawn";
    s.flags.debug = 1;
    s.params.speed = 17;
    controller.command(cmdRender);
    // The figures come after the set-up, and the first segment after the figures; a pause
    // while they are shown holds the curve after that segment.
    host.whileAsked = [&] {
        EXPECT_EQ(s.progress.theta, 0.0);
        controller.keyDown(KeyPress::pause);
    };
    EXPECT_EQ(controller.step(), 17);
    EXPECT_EQ(host.messages.back(), (Message{"revolutions: 1\nrotations: 4", "Vell Varezuro"}));
    EXPECT_DOUBLE_EQ(s.progress.theta, s.params.increment);
    EXPECT_EQ(controller.step(), std::nullopt);
    EXPECT_TRUE(controller.concludable());
    host.whileAsked = nullptr;
    controller.command(cmdRender);
    EXPECT_EQ(controller.step(), 17);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_DOUBLE_EQ(s.progress.theta, 2 * s.params.increment);
}

// The ellipse box alone sets the curve up again from the angle it reached: F8 then still
// draws the fixed circle of the curve drawn so far.
TEST_F(MainControllerTest, TheEllipseBoxAloneKeepsThePausedAngle)
{
    startRendering();
    for (int i = 0; i < 30; ++i) engine.step();
    controller.keyDown(KeyPress::pause);
    const double theta = s.progress.theta;
    host.scripts[dialogImageType] = user({}, {230});
    controller.command(cmdImageType);
    EXPECT_EQ(s.params.ellipse, 1);
    EXPECT_EQ(s.flags.newcurve, 1);
    EXPECT_EQ(s.progress.theta, theta);
    controller.command(cmdAnimate);
    EXPECT_TRUE(std::find(engine.canvas().pixels().begin(), engine.canvas().pixels().end(),
                          circle_colors::fixedCircle) != engine.canvas().pixels().end());
}

TEST_F(MainControllerTest, ImageTypeChainsTheKAndEllipseDialogs)
{
    // Confirmed with type 3 for the first time: 21 circuits and the k dialog.
    host.scripts[dialogImageType] = user({}, {223});
    controller.command(cmdImageType);
    EXPECT_EQ(s.params.kn[3], 21);
    EXPECT_EQ(host.posted, std::vector<int>{cmdChooseK});
    runPosted();
    EXPECT_EQ(host.dialogs, (std::vector<int>{dialogImageType, dialogChooseK}));

    // Again: kn is left alone, the k dialog opens again.
    s.params.kn[3] = 5;
    controller.command(cmdImageType);
    EXPECT_EQ(s.params.kn[3], 5);
    EXPECT_EQ(host.posted, std::vector<int>{cmdChooseK});
    host.posted.clear();

    // The ellipse mode brings its options dialog only the first time.
    host.scripts[dialogImageType] = user({}, {220, 230});
    host.dialogs.clear();
    controller.command(cmdImageType);
    runPosted();
    EXPECT_EQ(s.params.ellipse, 1);
    EXPECT_EQ(host.dialogs, (std::vector<int>{dialogImageType, dialogEllipseOptions}));
    host.dialogs.clear();
    host.scripts[dialogImageType] = user({});
    controller.command(cmdImageType);
    runPosted();
    EXPECT_EQ(host.dialogs, std::vector<int>{dialogImageType});

    // Cancel changes nothing further.
    host.scripts.clear();
    s.params.type = 3;
    controller.command(cmdImageType);
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(MainControllerTest, EllipseOptionsNeedTheEllipseMode)
{
    controller.command(cmdEllipseOptions);
    EXPECT_TRUE(host.dialogs.empty());
    s.params.ellipse = 1;
    controller.command(cmdEllipseOptions);
    EXPECT_EQ(host.dialogs, std::vector<int>{dialogEllipseOptions});
}

TEST_F(MainControllerTest, HelpPagesAlternateUntilOneIsCancelled)
{
    host.answers = {dialogOk, 3, dialogOk, dialogCancel};
    controller.command(cmdHelpTopics);
    runPosted();
    EXPECT_EQ(host.dialogs, (std::vector<int>{dialogHelpPage1, dialogHelpPage2, dialogHelpPage1, dialogHelpPage2}));
    controller.command(cmdFormulae);
    EXPECT_EQ(host.dialogs.back(), dialogFormulae);
}

TEST_F(MainControllerTest, ParametersRebuildTheCanvasAndRestoreTheCurrentType)
{
    s.params.Rpct[0] = 50;
    s.params.Rpct[2] = 70;
    s.params.type = 2;
    s.params.increment = 0.02;
    s.progress.theta = 1.0;
    s.flags.firstloop = 0;
    host.scripts[dialogParameters] = user({{510, "301"}}, {595});
    controller.command(cmdParameters);
    EXPECT_EQ(engine.canvas().width(), 301);
    EXPECT_EQ(engine.canvas().height(), 301);
    EXPECT_EQ(engine.record().res(), 301);
    EXPECT_EQ(s.flags.newcurve, 1);
    EXPECT_EQ(s.flags.firstloop, 1);
    EXPECT_EQ(s.progress.theta, 0.0);
    EXPECT_EQ(host.picture.pixel(799, 499), canvasGrey);
    // Restore affects the current type only, and the step.
    EXPECT_EQ(s.params.Rpct[2], 90);
    EXPECT_EQ(s.params.Rpct[0], 50);
    EXPECT_EQ(s.params.increment, 0.01);

    // An OK that fails after a new side, then Cancel: the side stored is the side of the
    // canvas, the record and the window's grey.
    host.picture.fillRect(host.picture.bounds(), 0);
    host.scripts[dialogParameters] = user({{510, "400"}, {545, "0"}});
    controller.command(cmdParameters);
    EXPECT_EQ(s.params.res, 400);
    EXPECT_EQ(s.params.halfres(), 200);
    EXPECT_EQ(engine.canvas().width(), 400);
    EXPECT_EQ(engine.record().res(), 400);
    EXPECT_EQ(host.picture.pixel(799, 499), canvasGrey);

    // Cancel alone changes nothing.
    host.scripts.clear();
    controller.command(cmdParameters);
    EXPECT_EQ(engine.canvas().width(), 400);
}

TEST_F(MainControllerTest, ParametersGiveAPausedCurveItsNewRadii)
{
    startRendering();
    for (int i = 0; i < 30; ++i) engine.step();
    controller.keyDown(KeyPress::pause);
    const double theta = s.progress.theta;
    host.scripts[dialogParameters] = user({{530, "60"}});
    controller.command(cmdParameters);
    EXPECT_EQ(s.params.dpct[0], 60.0);
    EXPECT_EQ(s.progress.d, s.params.halfres() * 0.6);
    EXPECT_EQ(s.progress.theta, theta) << "R, r and d restart nothing";
    EXPECT_EQ(s.flags.newcurve, 0);
}

TEST_F(MainControllerTest, EllipseOptionsPutThePenAtTheFocus)
{
    s.params.ellipse = 1;
    s.params.type = hypotrochoid;
    s.params.res = 500;
    const struct {
        double r;  // the moving radius as last computed, 0 before any
        int rpct, en, ed;
        double dpct;
    } cases[] = {
        {110.0, 11, 3, 4, std::sqrt(12100 - 6806.25) * 100 / 250},  // about 29.1033
        {110.0, 11, 4, 4, 0.0},
        {0.0, 44, 3, 4, std::sqrt(110.0 * 110.0 - 82.5 * 82.5) * 100 / 250},
    };
    host.scripts[dialogEllipseOptions] = user({}, {330, 322});  // disabled by "d varies", but ticked
    for (const auto& c : cases) {
        s.progress.r = c.r;
        s.params.rpct[hypotrochoid] = c.rpct;
        s.params.en = c.en;
        s.params.ed = c.ed;
        s.flags.newcurve = 0;
        s.progress.theta = 2.0;
        controller.command(cmdEllipseOptions);
        EXPECT_NEAR(s.params.dpct[hypotrochoid], c.dpct, 1e-12) << c.r;
        EXPECT_EQ(s.params.dpct[epitrochoid], 33.0);
        EXPECT_EQ(s.params.method, circleVaryingD);
        EXPECT_EQ(s.flags.newcurve, 1);
        EXPECT_EQ(s.progress.theta, 0.0);
    }
    EXPECT_NEAR(cases[0].dpct, 29.1033, 1e-4);
}

TEST_F(MainControllerTest, AnimateTogglesTheCheckMarkAndDrawsTheFixedCircleMidCurve)
{
    controller.command(cmdAnimate);
    EXPECT_EQ(s.flags.animate, 1);
    EXPECT_TRUE(host.animateChecked);
    EXPECT_EQ(engine.canvas().pixel(s.params.halfres() + 132, s.params.halfres()), canvasGrey) << "no curve yet: only the check mark";
    controller.command(cmdAnimate);
    EXPECT_FALSE(host.animateChecked);

    startRendering();
    for (int i = 0; i < 20; ++i) engine.step();
    controller.keyDown(KeyPress::pause);
    controller.command(cmdAnimate);
    // R = 44 % of halfres: the fixed circle crosses the axis there.
    const int x = s.params.halfres() + static_cast<int>(s.progress.R);
    EXPECT_EQ(engine.canvas().pixel(x, s.params.halfres()), circle_colors::fixedCircle);
    EXPECT_EQ(host.picture.pixel(x, s.params.halfres()), circle_colors::fixedCircle);

    // Right after Clear Screen: only the check mark.
    controller.command(cmdAnimate);
    controller.command(cmdClear);
    s.progress.theta = 1.0;
    controller.command(cmdAnimate);
    EXPECT_EQ(engine.canvas().pixel(x, s.params.halfres()), canvasGrey);
}

TEST_F(MainControllerTest, ColorsRestartOnlyForANewBackground)
{
    s.progress.theta = 2.0;
    s.flags.newcurve = 0;
    s.flags.firstloop = 0;
    host.scripts[dialogColors] = user({{630, "18"}, {631, "52"}, {632, "86"}});
    controller.command(cmdColors);
    EXPECT_EQ(s.params.fore, 0x00563412u);
    EXPECT_EQ(s.flags.newcurve, 0) << "an unchanged background keeps the paused curve";
    EXPECT_EQ(s.progress.theta, 2.0);

    host.scripts[dialogColors] = user({{635, "255"}});
    controller.command(cmdColors);
    EXPECT_EQ(s.params.back, 0x00FF0000u);
    EXPECT_EQ(s.flags.newcurve, 1);
    EXPECT_EQ(s.flags.firstloop, 1);
    EXPECT_EQ(s.progress.theta, 0.0);
}

TEST_F(MainControllerTest, PreviewsThenCancelLeaveEverythingAsItWas)
{
    s.params.ellipse = 1;  // for Ellipse Options
    startRendering();
    for (int i = 0; i < 40; ++i) engine.step();
    controller.mouseButton();
    const CurveState before = s;
    const Surface canvas = engine.canvas();
    const Surface window = host.picture;
    // In each curve dialog: values typed and clicked, each previewed to its end, then Cancel.
    const std::tuple<int, int, DialogScript> dialogs[] = {
        {cmdImageType, dialogImageType, [&](Form& form) {
             form.click(221);
             form.click(230);
             return previewThenCancel(form);
         }},
        {cmdEllipseOptions, dialogEllipseOptions, [&](Form& form) {
             form.click(321);
             form.click(330);
             return previewThenCancel(form);
         }},
        {cmdParameters, dialogParameters, [&](Form& form) {
             form.type(510, "300");
             form.type(530, "70");
             form.click(595);
             return previewThenCancel(form);
         }},
        {cmdColors, dialogColors, [&](Form& form) {
             form.type(635, "200");
             form.click(640);
             return previewThenCancel(form);
         }},
    };
    for (const auto& [command, dialog, script] : dialogs) {
        host.scripts.clear();
        host.scripts[dialog] = script;
        controller.command(command);
        EXPECT_TRUE(s.params == before.params && s.progress == before.progress) << command;
        EXPECT_EQ(std::memcmp(&s.flags, &before.flags, sizeof s.flags), 0) << command;
        EXPECT_TRUE(engine.canvas() == canvas && host.picture == window) << command;
    }
}

TEST_F(MainControllerTest, DefaultPaletteRestoresItThenClearsTheScreen)
{
    Palette other;
    other.fill(0x00123456);
    s.params.crpalette = other;
    controller.command(cmdDefaultPalette);
    EXPECT_EQ(s.params.crpalette.colors(), builtinPalette);
    EXPECT_EQ(host.messages.back(), (Message{"Default palette restored", "Vell Varezuro 3"}));
    EXPECT_EQ(host.posted, std::vector<int>{cmdClear});
    canvasOf(engine).fillRect(engine.canvas().bounds(), 0);
    runPosted();
    EXPECT_EQ(engine.canvas().pixel(0, 0), canvasGrey);
    EXPECT_EQ(s.flags.clearflag, 1);
}

TEST_F(MainControllerTest, ClearPaintsWindowAndCanvasGreyAndRestarts)
{
    startRendering();
    controller.keyDown(KeyPress::pause);
    controller.command(cmdClear);
    EXPECT_EQ(engine.canvas().pixel(0, 0), canvasGrey);
    EXPECT_EQ(host.picture.pixel(799, 499), canvasGrey);
    EXPECT_EQ(s.flags.clearflag, 1);
    EXPECT_EQ(s.flags.newcurve, 1);
    EXPECT_EQ(s.flags.firstloop, 1);
    EXPECT_EQ(s.progress.theta, 0.0);
    EXPECT_TRUE(controller.concludable());
}

TEST_F(MainControllerTest, AboutExitAndFileCommands)
{
    controller.command(cmdAbout);
    EXPECT_EQ(host.aboutWindows, 1);
    controller.setAboutWindowAvailable(false);
    controller.command(cmdAbout);
    EXPECT_EQ(host.aboutWindows, 1);
    EXPECT_EQ(lastMessage(), std::string("Vell Varezuro:\n\n") + aboutCredit);

    const std::size_t messages = host.messages.size();
    controller.command(cmdLoadParameters);
    EXPECT_EQ(host.messages.size(), messages);

    struct Recorder final : FileCommands {
        std::vector<int> calls;
        void loadParameters() override { calls.push_back(cmdLoadParameters); }
        void saveImageAndParameters() override { calls.push_back(cmdSaveImageAndParameters); }
        void saveParameters() override { calls.push_back(cmdSaveParameters); }
        void loadMapFile() override { calls.push_back(cmdMapFile); }
        void saveAnimation() override { calls.push_back(cmdSaveAnimation); }
        void loadRecentFile(const std::filesystem::path& file) override { recent.push_back(file); }
        std::vector<std::filesystem::path> recent;
    } files;
    controller.setFileCommands(&files);
    const std::vector<int> fileCommands = {cmdLoadParameters, cmdSaveImageAndParameters, cmdSaveParameters, cmdMapFile,
                                           cmdSaveAnimation};
    for (int id : fileCommands) controller.command(id);
    EXPECT_EQ(files.calls, fileCommands);

    controller.command(cmdExit);
    EXPECT_EQ(host.shutdowns, 1);

    // A recent file is loaded only while nothing is drawn, as Load Parameter File is.
    controller.loadRecentFile("/curves/rose.rlt");
    startRendering();
    controller.loadRecentFile("/curves/star.rlt");
    EXPECT_EQ(files.recent, std::vector<std::filesystem::path>{"/curves/rose.rlt"});
}

TEST(MenuAndKeys, EveryCommandOfTheMenuHasItsKey)
{
    std::map<int, std::string> items;
    for (const MenuEntry& e : mainMenu()) {
        if (e.popup.empty()) items[e.item.command] = e.item.text;
        for (const MenuItem& i : e.popup)
            if (i.command) items[i.command] = i.text;
    }
    EXPECT_EQ(items.size(), 18u);
    EXPECT_EQ(items[cmdRender], "Render / Resume (R)      ");
    EXPECT_EQ(items[cmdConclude], "Conclude Current Curve (C)      ");
    // An item that names its key in parentheses has it in the key table; Save Animation
    // names none and has none.
    std::map<int, Key> keys;
    for (const Accelerator& a : accelerators()) keys[a.command] = a.key;
    EXPECT_EQ(keys.size(), 17u);
    for (const auto& [command, text] : items)
        EXPECT_EQ(keys.count(command) == 1, text.find(" (") != std::string::npos) << text;
    EXPECT_EQ(keys[cmdExit], Key::Escape);
    EXPECT_EQ(keys[cmdDefaultPalette], Key::F10);
}

// Alt reaches every item by a letter of its name, each letter once in its menu.
TEST(MenuAndKeys, EveryItemHasItsOwnAltLetter)
{
    auto letters = [](std::span<const MenuItem> items) {
        std::string chosen;
        const std::vector<int> at = mnemonics(items);
        for (std::size_t i = 0; i < items.size(); ++i)
            chosen += at[i] < 0 ? '-' : items[i].text[static_cast<std::size_t>(at[i])];
        return chosen;
    };
    std::vector<MenuItem> bar;
    for (const MenuEntry& e : mainMenu()) bar.push_back(e.item);
    EXPECT_EQ(letters(bar), "FROCH");
    // Save Animation and the recent files take letters none of the other items has; the
    // separator before Exit takes none.
    EXPECT_EQ(letters(mainMenu()[0].popup), "LSPAR-E");
    EXPECT_EQ(letters(mainMenu()[2].popup), "IEPACMDS");
    EXPECT_EQ(letters(mainMenu()[4].popup), "HFA");
    const MenuItem crowded[] = {{"Ab (A)", 1}, {"Ba", 2}, {"ab", 3}};
    EXPECT_EQ(letters(crowded), "AB-");
}

}  // namespace
}  // namespace trochograph::test
