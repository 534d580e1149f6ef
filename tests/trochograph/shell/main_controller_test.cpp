#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "commands.h"
#include "main_controller.h"
#include "trochograph/engine/fake_platform.h"

namespace trochograph::test {
namespace {

// A window that records what the command logic asked of it. Dialogs answer from a script
// (Cancel when it runs out) and may change the state as a real dialog would.
class FakeHost final : public MainWindowHost {
public:
    MessageAnswer showMessage(const Message& m) override
    {
        messages.push_back(m);
        return MessageAnswer::ok;
    }
    int runDialog(int dialog) override
    {
        dialogs.push_back(dialog);
        if (auto it = dialogEffects.find(dialog); it != dialogEffects.end()) it->second();
        if (answers.empty()) return dialogCancel;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void postCommand(int command) override { posted.push_back(command); }
    void setCursor(CursorShape shape) override { cursors.push_back(shape); }
    void setAnimateChecked(bool checked) override { animateChecked = checked; }
    void openAboutWindow() override { ++aboutWindows; }
    void shutdown() override { ++shutdowns; }

    std::vector<Message> messages;
    std::vector<int> dialogs;
    std::deque<int> answers;
    std::map<int, std::function<void()>> dialogEffects;
    std::vector<int> posted;
    std::vector<CursorShape> cursors;
    bool animateChecked = false;
    int aboutWindows = 0;
    int shutdowns = 0;
};

struct MainControllerTest : ::testing::Test {
    FakePlatform platform{800, 500};
    Engine engine{platform};
    CurveState& s = engine.state;
    FakeHost host;
    MainController controller{engine, host};

    void SetUp() override
    {
        s.speed = 0;
        s.okintro = 0;  // most tests start after the intro
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
        engine.roulette();
    }
    std::string lastMessage() const { return host.messages.empty() ? "" : host.messages.back().text; }
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
    EXPECT_EQ(s.okroulette, 1);
    EXPECT_EQ(s.animate, before.animate);
    EXPECT_EQ(s.debug, before.debug);

    // About answers with the message box instead of the window.
    controller.command(cmdAbout);
    EXPECT_EQ(host.aboutWindows, 0);
    EXPECT_EQ(lastMessage(), std::string("Vell Varezuro:\n\n") + aboutCredit);
}

TEST_F(MainControllerTest, TheIntroIsStoppedByPauseOrAMouseButtonAndGuardsCommands)
{
    s.okintro = 1;
    controller.command(cmdRender);
    EXPECT_EQ(s.okroulette, 0);
    controller.command(cmdAbout);
    EXPECT_EQ(host.aboutWindows, 0) << "the About window needs an idle program";
    controller.keyDown(KeyPress::pause);
    EXPECT_EQ(s.stopintro, 1);

    s.stopintro = 0;
    controller.mouseButton();
    EXPECT_EQ(s.stopintro, 1);

    // D works during the intro.
    controller.keyDown(KeyPress::d);
    EXPECT_EQ(s.debug, 1);
    EXPECT_EQ(lastMessage(), "Debugging display turned on.");
}

TEST_F(MainControllerTest, PauseResumeAndConclude)
{
    startRendering();
    EXPECT_EQ(host.cursors.back(), CursorShape::wait);
    for (int i = 0; i < 50; ++i) engine.roulette();
    controller.keyDown(KeyPress::pause);
    EXPECT_EQ(s.okroulette, 0);
    EXPECT_EQ(s.okconclude, 1);
    EXPECT_EQ(host.cursors.back(), CursorShape::cross);
    const double theta = s.theta;

    controller.command(cmdRender);  // resume: the same curve goes on
    EXPECT_EQ(s.okroulette, 1);
    EXPECT_EQ(s.okconclude, 0);
    engine.roulette();
    EXPECT_DOUBLE_EQ(s.theta, theta + s.increment);

    controller.mouseButton();  // pause by mouse
    EXPECT_EQ(s.okconclude, 1);
    controller.command(cmdClear);  // Clear leaves okconclude alone
    controller.command(cmdConclude);
    EXPECT_EQ(s.okconclude, 0);
    EXPECT_EQ(s.newcurve, 1);
    EXPECT_EQ(s.theta, 0.0);
    EXPECT_EQ(lastMessage(),
              "Rendering of the current curve is concluded.\n\nA new curve can be superimposed, the screen\n"
              "      can be cleared, or a new screen resolution\n      or background color can be selected.");
    const std::size_t shown = host.messages.size();
    controller.command(cmdConclude);  // a second time: nothing
    EXPECT_EQ(host.messages.size(), shown);
}

TEST_F(MainControllerTest, PauseKeyShowsTheAngleOnlyForTheIrrationalRoseInDebugMode)
{
    s.type = 3;
    s.debug = 1;
    startRendering();
    host.messages.clear();
    controller.mouseButton();
    EXPECT_TRUE(host.messages.empty()) << "a mouse button pauses without the angle";

    controller.command(cmdRender);
    for (int i = 0; i < 10; ++i) engine.roulette();
    controller.keyDown(KeyPress::pause);
    ASSERT_EQ(host.messages.size(), 1u);
    char expected[64];
    std::snprintf(expected, sizeof expected, "theta: %.15f", s.theta);
    EXPECT_EQ(host.messages[0], (Message{expected, "Vell Varezuro", MessageIcon::none}));

    s.type = 0;
    controller.command(cmdRender);
    engine.roulette();
    controller.keyDown(KeyPress::pause);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(MainControllerTest, DebugKeyTogglesWhileNotRendering)
{
    controller.keyDown(KeyPress::d);
    EXPECT_EQ(host.messages.back(), (Message{"Debugging display turned on.", "Vell Varezuro"}));
    controller.keyDown(KeyPress::d);
    EXPECT_EQ(s.debug, 0);
    EXPECT_EQ(lastMessage(), "Debugging display turned off.");
}

TEST_F(MainControllerTest, MouseMovesKeepTheWaitCursorWhileRendering)
{
    controller.mouseMoved();
    EXPECT_TRUE(host.cursors.empty());
    startRendering();
    host.cursors.clear();
    controller.mouseMoved();
    EXPECT_EQ(host.cursors, std::vector<CursorShape>{CursorShape::wait});
}

TEST_F(MainControllerTest, ImageTypeChainsTheKAndEllipseDialogs)
{
    // Confirmed with type 3 for the first time: 21 circuits and the k dialog.
    host.dialogEffects[dialogImageType] = [&] { s.type = 3; };
    host.answers = {dialogOk};
    controller.command(cmdImageType);
    EXPECT_EQ(s.kn[3], 21);
    EXPECT_EQ(s.firstRI, 0);
    EXPECT_EQ(host.posted, std::vector<int>{cmdChooseK});
    runPosted();
    EXPECT_EQ(host.dialogs, (std::vector<int>{dialogImageType, dialogChooseK}));

    // Again: kn is left alone, the k dialog opens again.
    s.kn[3] = 5;
    host.answers = {dialogOk};
    controller.command(cmdImageType);
    EXPECT_EQ(s.kn[3], 5);
    EXPECT_EQ(host.posted, std::vector<int>{cmdChooseK});
    host.posted.clear();

    // The ellipse mode brings its options dialog only the first time.
    host.dialogEffects[dialogImageType] = [&] {
        s.type = 0;
        s.ellipse = 1;
    };
    host.dialogs.clear();
    host.answers = {dialogOk};
    controller.command(cmdImageType);
    runPosted();
    EXPECT_EQ(host.dialogs, (std::vector<int>{dialogImageType, dialogEllipseOptions}));
    host.dialogs.clear();
    host.answers = {dialogOk};
    controller.command(cmdImageType);
    runPosted();
    EXPECT_EQ(host.dialogs, std::vector<int>{dialogImageType});

    // Cancel changes nothing further.
    host.dialogEffects.clear();
    s.type = 3;
    s.firstRI = 1;
    controller.command(cmdImageType);
    EXPECT_EQ(s.firstRI, 1);
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(MainControllerTest, EllipseOptionsNeedTheEllipseMode)
{
    controller.command(cmdEllipseOptions);
    EXPECT_TRUE(host.dialogs.empty());
    s.ellipse = 1;
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
    s.captureRestoreValues();
    s.Rpct[0] = 50;
    s.Rpct[2] = 70;
    s.type = 2;
    s.increment = 0.02;
    s.theta = 1.0;
    s.firstloop = 0;
    host.dialogEffects[dialogParameters] = [&] {
        s.setResolution(301);
        s.newdimensions = 1;
        s.restore = 1;
    };
    host.answers = {dialogOk};
    controller.command(cmdParameters);
    EXPECT_EQ(engine.canvas.width(), 301);
    EXPECT_EQ(engine.canvas.height(), 301);
    EXPECT_EQ(s.newdimensions, 0);
    EXPECT_EQ(s.newcurve, 1);
    EXPECT_EQ(s.firstloop, 1);
    EXPECT_EQ(s.theta, 0.0);
    EXPECT_EQ(platform.window.pixel(799, 499), canvasGrey);
    // Restore affects the current type only, and the step.
    EXPECT_EQ(s.restore, 0);
    EXPECT_EQ(s.Rpct[2], 90);
    EXPECT_EQ(s.Rpct[0], 50);
    EXPECT_EQ(s.increment, 0.01);

    // Cancel: nothing happens, even with the flags set.
    s.newdimensions = 1;
    s.setResolution(400);
    host.dialogEffects.clear();
    controller.command(cmdParameters);
    EXPECT_EQ(engine.canvas.width(), 301);
}

TEST_F(MainControllerTest, AnimateTogglesTheCheckMarkAndDrawsTheFixedCircleMidCurve)
{
    controller.command(cmdAnimate);
    EXPECT_EQ(s.animate, 1);
    EXPECT_TRUE(host.animateChecked);
    EXPECT_EQ(engine.canvas.pixel(s.halfres + 132, s.halfres), canvasGrey) << "no curve yet: only the check mark";
    controller.command(cmdAnimate);
    EXPECT_FALSE(host.animateChecked);

    startRendering();
    for (int i = 0; i < 20; ++i) engine.roulette();
    controller.keyDown(KeyPress::pause);
    controller.command(cmdAnimate);
    // R = 44 % of halfres: the fixed circle crosses the axis there.
    const int x = s.halfres + static_cast<int>(s.R);
    EXPECT_EQ(engine.canvas.pixel(x, s.halfres), circle_colors::fixedCircle);
    EXPECT_EQ(platform.window.pixel(x, s.halfres), circle_colors::fixedCircle);

    // Right after Clear Screen: only the check mark.
    controller.command(cmdAnimate);
    controller.command(cmdClear);
    s.theta = 1.0;
    controller.command(cmdAnimate);
    EXPECT_EQ(engine.canvas.pixel(x, s.halfres), canvasGrey);
}

TEST_F(MainControllerTest, ColorsRestartOnlyForANewBackground)
{
    s.theta = 2.0;
    s.newcurve = 0;
    s.firstloop = 0;
    host.dialogEffects[dialogColors] = [&] {
        s.rfore = 0x12;
        s.gfore = 0x34;
        s.bfore = 0x56;
    };
    host.answers = {dialogOk};
    controller.command(cmdColors);
    EXPECT_EQ(s.fore, 0x00563412u);
    EXPECT_EQ(s.newcurve, 0) << "an unchanged background keeps the paused curve";
    EXPECT_EQ(s.theta, 2.0);

    host.dialogEffects[dialogColors] = [&] { s.bback = 0x1FF; };  // the low byte counts
    host.answers = {dialogOk};
    controller.command(cmdColors);
    EXPECT_EQ(s.back, 0x00FF0000u);
    EXPECT_EQ(s.newcurve, 1);
    EXPECT_EQ(s.firstloop, 1);
    EXPECT_EQ(s.theta, 0.0);
}

TEST_F(MainControllerTest, DefaultPaletteRestoresItThenClearsTheScreen)
{
    s.crpalette.fill(0x00123456);
    controller.command(cmdDefaultPalette);
    EXPECT_EQ(s.crpalette, builtinPalette);
    EXPECT_EQ(host.messages.back(), (Message{"Default palette restored", "Vell Varezuro 3"}));
    EXPECT_EQ(host.posted, std::vector<int>{cmdClear});
    engine.canvas.fillRect(engine.canvas.bounds(), 0);
    runPosted();
    EXPECT_EQ(engine.canvas.pixel(0, 0), canvasGrey);
    EXPECT_EQ(s.clearflag, 1);
}

TEST_F(MainControllerTest, ClearPaintsWindowAndCanvasGreyAndRestarts)
{
    startRendering();
    controller.keyDown(KeyPress::pause);
    controller.command(cmdClear);
    EXPECT_EQ(engine.canvas.pixel(0, 0), canvasGrey);
    EXPECT_EQ(platform.window.pixel(799, 499), canvasGrey);
    EXPECT_EQ(s.clearflag, 1);
    EXPECT_EQ(s.newcurve, 1);
    EXPECT_EQ(s.firstloop, 1);
    EXPECT_EQ(s.theta, 0.0);
    EXPECT_EQ(s.okconclude, 1);
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
    } files;
    controller.setFileCommands(&files);
    for (int id : {cmdLoadParameters, cmdSaveImageAndParameters, cmdSaveParameters, cmdMapFile}) controller.command(id);
    EXPECT_EQ(files.calls,
              (std::vector<int>{cmdLoadParameters, cmdSaveImageAndParameters, cmdSaveParameters, cmdMapFile}));

    controller.command(cmdExit);
    EXPECT_EQ(host.shutdowns, 1);
}

TEST(MenuAndKeys, EveryCommandOfTheMenuHasItsKey)
{
    std::map<int, std::string> items;
    for (const MenuEntry& e : mainMenu()) {
        if (e.popup.empty()) items[e.item.command] = e.item.text;
        for (const MenuItem& i : e.popup) items[i.command] = i.text;
    }
    EXPECT_EQ(items.size(), 17u);
    EXPECT_EQ(items[cmdRender], "Render / Resume (R)      ");
    EXPECT_EQ(items[cmdConclude], "Conclude Current Curve (C)      ");
    // Each item names its key in parentheses; the key table agrees.
    std::map<int, Key> keys;
    for (const Accelerator& a : accelerators()) keys[a.command] = a.key;
    EXPECT_EQ(keys.size(), 17u);
    for (const auto& [command, text] : items) EXPECT_TRUE(keys.count(command)) << text;
    EXPECT_EQ(keys[cmdExit], Key::Escape);
    EXPECT_EQ(keys[cmdDefaultPalette], Key::F10);
}

}  // namespace
}  // namespace trochograph::test
