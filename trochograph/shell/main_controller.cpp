#include "main_controller.h"

#include "c_numbers.h"
#include "commands.h"
#include "engine.h"

namespace trochograph {

const char* const aboutCredit = "\u00A9 2017 The Trochograph developers";

MainController::MainController(Engine& engine, MainWindowHost& host) : engine_(engine), host_(host) {}

bool MainController::idle() const { return !engine_.state.okroulette && !engine_.state.okintro; }

void MainController::command(int id)
{
    CurveState& s = engine_.state;
    // About is always answered and Conclude has a guard of its own; everything else waits
    // until nothing is being drawn, and is otherwise ignored without a word.
    if (id == cmdAbout) return about();
    if (id == cmdConclude) {
        if (s.okconclude) conclude();
        return;
    }
    if (!idle()) return;

    switch (id) {
    case cmdLoadParameters:
    case cmdSaveImageAndParameters:
    case cmdSaveParameters:
    case cmdMapFile:
        return fileCommand(id);
    case cmdExit:
        return host_.shutdown();
    case cmdRender:
        s.okroulette = 1;
        s.okconclude = 0;
        return host_.setCursor(CursorShape::wait);
    case cmdImageType:
        return imageType();
    case cmdEllipseOptions:
        if (s.ellipse) host_.runDialog(dialogEllipseOptions);
        return;
    case cmdChooseK:
        host_.runDialog(dialogChooseK);
        return;
    case cmdParameters:
        return parameters();
    case cmdAnimate:
        return animate();
    case cmdColors:
        return colors();
    case cmdDefaultPalette:
        return defaultPalette();
    case cmdClear:
        return clear();
    case cmdHelpTopics:
        return helpPage(dialogHelpPage1, cmdHelpPage2);
    case cmdHelpPage2:
        return helpPage(dialogHelpPage2, cmdHelpTopics);
    case cmdFormulae:
        host_.runDialog(dialogFormulae);
        return;
    default:
        return;
    }
}

void MainController::keyDown(KeyPress key)
{
    CurveState& s = engine_.state;
    if (key == KeyPress::pause) {
        if (s.okintro) {
            s.stopintro = 1;
        } else if (s.okroulette) {
            pause();
            if (s.debug && s.type == rhodoneaIrrational) {
                host_.showMessage({"theta: " + fixedText(s.theta, 15), "Vell Varezuro", MessageIcon::none});
            }
        }
    } else if (key == KeyPress::d && !s.okroulette) {
        s.debug = 1 - s.debug;
        inform(s.debug ? "Debugging display turned on." : "Debugging display turned off.");
    }
}

void MainController::mouseButton()
{
    CurveState& s = engine_.state;
    if (s.okintro)
        s.stopintro = 1;
    else if (s.okroulette)
        pause();
}

void MainController::mouseMoved()
{
    if (engine_.state.okroulette) host_.setCursor(CursorShape::wait);
}

void MainController::pause()
{
    engine_.state.okroulette = 0;
    engine_.state.okconclude = 1;
    host_.setCursor(CursorShape::cross);
}

void MainController::imageType()
{
    CurveState& s = engine_.state;
    if (host_.runDialog(dialogImageType) == dialogCancel) return;
    if (s.type == rhodoneaIrrational) {
        // The first irrational rose of a run draws 21 circuits; the choice of k follows
        // every confirmation of this type.
        if (s.firstRI) {
            s.kn[3] = 21;
            s.firstRI = 0;
        }
        host_.postCommand(cmdChooseK);
    }
    if (s.ellipse && s.firstellipse) {
        s.firstellipse = 0;
        host_.postCommand(cmdEllipseOptions);
    }
}

void MainController::parameters()
{
    CurveState& s = engine_.state;
    if (host_.runDialog(dialogParameters) == dialogCancel) return;
    if (s.newdimensions) {
        engine_.changeResolution(s.res);
        s.newdimensions = 0;
    }
    if (s.restore) {
        s.restore = 0;
        s.restoreCurrentType();
    }
}

void MainController::animate()
{
    CurveState& s = engine_.state;
    s.animate = 1 - s.animate;
    host_.setAnimateChecked(s.animate == 1);
    // Part of a curve is drawn: its fixed circle joins the picture now.
    if (s.animate && s.theta != 0.0 && s.clearflag == 0)
        engine_.circles.drawcircles(engine_.platform.windowSurface(), s.R, s.r, 0);
}

void MainController::colors()
{
    CurveState& s = engine_.state;
    if (host_.runDialog(dialogColors) == dialogCancel) return;
    s.fore = rgb(s.rfore, s.gfore, s.bfore);
    const Colorref background = rgb(s.rback, s.gback, s.bback);
    if (background != s.back) {
        s.newcurve = 1;
        s.firstloop = 1;
        s.theta = 0.0;
        s.back = background;
    }
}

void MainController::defaultPalette()
{
    engine_.state.restoreDefaultPalette();
    inform("Default palette restored", "Vell Varezuro 3");
    host_.postCommand(cmdClear);
}

void MainController::clear()
{
    CurveState& s = engine_.state;
    fillClientGrey();
    engine_.clearCanvas();
    s.clearflag = 1;
    s.newcurve = 1;
    s.firstloop = 1;
    s.theta = 0.0;
}

void MainController::conclude()
{
    CurveState& s = engine_.state;
    s.okconclude = 0;
    s.newcurve = 1;
    s.theta = 0.0;
    host_.setCursor(CursorShape::cross);
    inform("Rendering of the current curve is concluded.\n\n"
           "A new curve can be superimposed, the screen\n"
           "      can be cleared, or a new screen resolution\n"
           "      or background color can be selected.");
}

void MainController::about()
{
    if (okabout_ && idle())
        host_.openAboutWindow();
    else
        inform(std::string("Vell Varezuro:\n\n") + aboutCredit);
}

void MainController::helpPage(int dialog, int next)
{
    // The two pages lead to each other until one of them is cancelled.
    if (host_.runDialog(dialog) != dialogCancel) host_.postCommand(next);
}

void MainController::fileCommand(int id)
{
    if (!fileCommands_) return;
    switch (id) {
    case cmdLoadParameters:
        return fileCommands_->loadParameters();
    case cmdSaveImageAndParameters:
        return fileCommands_->saveImageAndParameters();
    case cmdSaveParameters:
        return fileCommands_->saveParameters();
    default:
        return fileCommands_->loadMapFile();
    }
}

void MainController::fillClientGrey()
{
    Surface& window = engine_.platform.windowSurface();
    window.fillRect(engine_.platform.clientRect(), canvasGrey);
}

void MainController::inform(const std::string& text, const char* caption)
{
    host_.showMessage({text, caption, MessageIcon::information});
}

}  // namespace trochograph
