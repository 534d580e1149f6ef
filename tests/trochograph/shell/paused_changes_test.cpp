// Whatever a user changes while a curve is paused, the exported drawing is the picture on
// the screen: for each curve type and ellipse method, a curve is paused mid-way, changed
// through the real dialogs and commands, resumed and finished; the drawing record replayed
// onto a blank canvas must give the canvas pixel for pixel, circles included, and the SVG
// document the replayed segments and figures in the same order.
#include <gtest/gtest.h>

#include <functional>

#include "fake_window.h"
#include "files/map_palette.h"
#include "files/parameter_text.h"
#include "files/svg_export.h"
#include "shell/commands.h"
#include "shell/main_controller.h"
#include "trochograph/engine/engine_steps.h"
#include "trochograph/files/svg_segments.h"

namespace trochograph::test {
namespace {

struct Window {
    FakeWindow host{300, 300};
    Engine engine{host.picture};
    MainController controller{engine, host};

    // The command as a key would run it, and what it posted after it.
    void command(int id)
    {
        controller.command(id);
        while (!host.posted.empty()) {
            const int next = host.posted.front();
            host.posted.erase(host.posted.begin());
            controller.command(next);
        }
    }
    // A dialog answered by `script`.
    void dialog(int command, int dialog, DialogScript script)
    {
        host.scripts[dialog] = std::move(script);
        this->command(command);
    }
    void parameters(std::vector<std::pair<int, std::string>> entries, std::vector<int> clicks = {})
    {
        dialog(cmdParameters, dialogParameters, user(std::move(entries), std::move(clicks)));
    }
};

struct Change {
    const char* name;
    std::function<void(Window&)> make;
};

MapTable ramp()
{
    MapTable table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {static_cast<std::uint8_t>(i), 40, static_cast<std::uint8_t>(255 - i)};
    return table;
}

const Change changes[] = {
    {"F5 next type", [](Window& w) { w.dialog(cmdImageType, dialogImageType, user({}, {220 + (stateOf(w.engine).params.type + 1) % 4})); }},
    {"F5 ellipse on or off", [](Window& w) { w.dialog(cmdImageType, dialogImageType, user({}, {230})); }},
    {"F6 method", [](Window& w) { w.dialog(cmdEllipseOptions, dialogEllipseOptions, user({}, {320})); }},
    {"F6 focal distance", [](Window& w) { w.dialog(cmdEllipseOptions, dialogEllipseOptions, user({}, {330})); }},
    {"k", [](Window& w) { w.dialog(cmdChooseK, dialogChooseK, user({}, {425})); }},
    {"F7 unchanged", [](Window& w) { w.parameters({}); }},
    {"F7 resolution", [](Window& w) { w.parameters({{510, "201"}}); }},
    {"F7 width", [](Window& w) { w.parameters({{515, "1"}}); }},
    {"F7 R", [](Window& w) { w.parameters({{520, "30"}}); }},
    {"F7 r", [](Window& w) { w.parameters({{525, "20"}}); }},
    {"F7 d", [](Window& w) { w.parameters({{530, "60"}}); }},
    {"F7 scale", [](Window& w) { w.parameters({{535, "0.7"}}); }},
    {"F7 rotation", [](Window& w) { w.parameters({{540, "45"}}); }},
    {"F7 speed", [](Window& w) { w.parameters({{545, "3"}}); }},
    {"F7 kn", [](Window& w) { w.parameters({{550, "3"}}); }},
    {"F7 kd", [](Window& w) { w.parameters({{555, "2"}}); }},
    {"F7 en", [](Window& w) { w.parameters({{560, "1"}}); }},
    {"F7 ed", [](Window& w) { w.parameters({{565, "9"}}); }},
    {"F7 rounding", [](Window& w) { w.parameters({{568, "0"}}); }},
    {"F7 restore defaults", [](Window& w) { w.parameters({}, {595}); }},
    {"F7 failed OK then Cancel", [](Window& w) { w.parameters({{510, "201"}, {515, "2"}, {545, "0"}}); }},
    {"F9 single colour", [](Window& w) { w.dialog(cmdColors, dialogColors, user({{630, "10"}, {631, "200"}}, {640})); }},
    {"F9 background", [](Window& w) { w.dialog(cmdColors, dialogColors, user({{635, "90"}})); }},
    {"MAP palette", [](Window& w) { acceptPalette(ramp(), stateOf(w.engine).params); }},
    {"MAP palette, then F10", [](Window& w) {
         acceptPalette(ramp(), stateOf(w.engine).params);
         w.command(cmdDefaultPalette);
     }},
    // The fixed circle now, the last frame of the circles at the end.
    {"F8 circles", [](Window& w) {
         w.command(cmdAnimate);
         EXPECT_EQ(w.engine.record().figures().size(), 1u);
     }},
    {"F8, F7 R, F8 off and on", [](Window& w) {
         w.command(cmdAnimate);
         w.parameters({{520, "30"}});
         w.command(cmdAnimate);
         w.command(cmdAnimate);
         EXPECT_EQ(w.engine.record().figures().size(), 2u);
     }},
};

struct Curve {
    const char* name;
    int type, ellipse, method;
};

const Curve curves[] = {
    {"epitrochoid", epitrochoid, 0, circleVaryingR},
    {"hypotrochoid", hypotrochoid, 0, circleVaryingR},
    {"rational rose", rhodoneaRational, 0, circleVaryingR},
    {"irrational rose", rhodoneaIrrational, 0, circleVaryingR},
    {"actual ellipse", epitrochoid, 1, actualEllipse},
    {"circle varying r", hypotrochoid, 1, circleVaryingR},
    {"circle varying d", epitrochoid, 1, circleVaryingD},
};

TEST(PausedChanges, TheExportedDrawingIsThePictureOnTheScreen)
{
    for (const Curve& setup : curves) {
        for (const Change& change : changes) {
            SCOPED_TRACE(std::string(setup.name) + ", " + change.name);
            Window w;
            CurveState& s = stateOf(w.engine);
            w.engine.rebuildCanvas(151);
            s.params.speed = 0;
            s.params.type = setup.type;
            s.params.ellipse = setup.ellipse;
            s.params.method = setup.method;
            s.params.increment = 0.05;
            s.params.kn[3] = 2;
            s.flags.okintro = 0;

            w.command(cmdRender);
            for (int i = 0; i < 30; ++i) w.engine.step();
            w.controller.keyDown(KeyPress::pause);
            change.make(w);
            w.command(cmdRender);
            ASSERT_LT(renderWholeCurve(w.engine), 100000);

            const DrawingRecord& record = w.engine.record();
            Surface replayed(record.res(), record.res(), record.background());
            CanvasSink canvas(replayed);
            record.replay(canvas);
            ASSERT_EQ(replayed.width(), w.engine.canvas().width());
            EXPECT_TRUE(replayed == w.engine.canvas());

            SegmentList segments;
            record.replay(segments);
            const std::string svg = svgText(record, parameterText(s.params));
            EXPECT_TRUE(sameSegments(segmentsOf(svg), segments.segments));
            EXPECT_TRUE(sameFigures(figuresOf(svg), segments));
        }
    }
}

}  // namespace
}  // namespace trochograph::test
