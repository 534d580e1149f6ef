#include "shell/main_controller.h"

#include "common/c_numbers.h"
#include "dialogs/choose_k_form.h"
#include "dialogs/colors_form.h"
#include "dialogs/curve_preview.h"
#include "dialogs/ellipse_options_form.h"
#include "dialogs/forms.h"
#include "dialogs/image_type_form.h"
#include "dialogs/parameters_form.h"
#include "engine/engine.h"
#include "shell/commands.h"

namespace trochograph {

const char* const aboutCredit = "\u00A9 2017 The Trochograph developers";

MainController::MainController(Engine& engine, WindowPort& window)
    : engine_(engine), window_(window), defaults_(RestoreValues::capture(engine.state()))
{
}

bool MainController::idle() const { return !engine_.drawing(); }

std::optional<int> MainController::step()
{
    if (idle()) return std::nullopt;
    const StepRequest request = engine_.step();
    if (!request.closureFigures) return request.waitMs;
    // The figures come between the set-up and its first segment, which follows once they
    // were seen, whatever the user did meanwhile: a pause then holds after that segment.
    inform(engine_.closureFigures());
    engine_.drawSteps(1);
    return engine_.parameters().speed;
}

void MainController::command(int id)
{
    // About is always answered and Conclude has a guard of its own; everything else waits
    // until nothing is being drawn, and is otherwise ignored without a word.
    if (id == cmdAbout) return about();
    if (id == cmdConclude) {
        if (okconclude_) conclude();
        return;
    }
    if (!idle()) return;

    switch (id) {
    case cmdLoadParameters:
    case cmdSaveImageAndParameters:
    case cmdSaveParameters:
    case cmdMapFile:
    case cmdSaveAnimation:
        return fileCommand(id);
    case cmdExit:
        return window_.shutdown();
    case cmdRender:
        engine_.render();
        okconclude_ = false;
        return;
    case cmdImageType:
        return imageType();
    case cmdEllipseOptions:
        if (engine_.parameters().ellipse) {
            EllipseOptionsForm form(engine_.parameters());
            runCurveDialog(form);
        }
        return;
    case cmdChooseK: {
        ChooseKForm form(engine_.parameters());
        runCurveDialog(form);
        return;
    }
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
        window_.runDialog(*makeForm(dialogFormulae, engine_.parameters()), nullptr);
        return;
    default:
        return;
    }
}

void MainController::loadRecentFile(const std::filesystem::path& file)
{
    if (idle() && fileCommands_) fileCommands_->loadRecentFile(file);
}

void MainController::keyDown(KeyPress key)
{
    const CurveState& s = engine_.state();
    const RunFlags& f = s.flags;
    if (key == KeyPress::pause) {
        if (f.okintro) {
            engine_.stopIntro();
        } else if (f.okroulette) {
            pause();
            if (f.debug && s.params.type == rhodoneaIrrational) {
                window_.showMessage(
                    {"theta: " + fixedText(s.progress.theta, 15), "Vell Varezuro", MessageIcon::none});
            }
        }
    } else if (key == KeyPress::d && !f.okroulette) {
        engine_.setDebug(!f.debug);
        inform(f.debug ? "Debugging display turned on." : "Debugging display turned off.");
    }
}

void MainController::mouseButton()
{
    const RunFlags& f = engine_.state().flags;
    if (f.okintro)
        engine_.stopIntro();
    else if (f.okroulette)
        pause();
}

void MainController::pause()
{
    engine_.pause();
    okconclude_ = true;
}

int MainController::runCurveDialog(CurveForm& form)
{
    CurvePreview preview(engine_.state(), defaults_);
    const int end = window_.runDialog(form, &preview);
    engine_.apply(form.edit(), defaults_);
    return end;
}

void MainController::imageType()
{
    ImageTypeForm form(engine_.parameters(), firstRI_);
    if (runCurveDialog(form) == dialogCancel) return;
    const CurveParameters& p = engine_.parameters();
    if (p.type == rhodoneaIrrational) {
        // The first irrational rose of a run has drawn 21 circuits (the form gave them); the
        // choice of k follows every confirmation of this type.
        firstRI_ = false;
        window_.postCommand(cmdChooseK);
    }
    if (p.ellipse && firstellipse_) {
        firstellipse_ = false;
        window_.postCommand(cmdEllipseOptions);
    }
}

void MainController::parameters()
{
    ParametersForm form(engine_.parameters());
    runCurveDialog(form);
}

void MainController::animate()
{
    const CurveState& s = engine_.state();
    engine_.setAnimate(!s.flags.animate);
    window_.setAnimateChecked(s.flags.animate == 1);
    // Part of a curve is drawn: its fixed circle joins the picture now.
    if (s.flags.animate && s.progress.theta != 0.0 && s.flags.clearflag == 0) engine_.showFixedCircle();
}

void MainController::colors()
{
    const Colorref background = engine_.parameters().back;
    ColorsForm form(engine_.parameters());
    if (runCurveDialog(form) == dialogCancel) return;
    if (engine_.parameters().back != background) engine_.restartOnFreshBackground();
}

void MainController::defaultPalette()
{
    CurveParameters p = engine_.parameters();
    p.crpalette = defaults_.crdefault;
    engine_.setParameters(p);
    inform("Default palette restored", "Vell Varezuro 3");
    window_.postCommand(cmdClear);
}

void MainController::clear() { engine_.clearScreen(); }

void MainController::conclude()
{
    okconclude_ = false;
    engine_.restart();
    inform("Rendering of the current curve is concluded.\n\n"
           "A new curve can be superimposed, the screen\n"
           "      can be cleared, or a new screen resolution\n"
           "      or background color can be selected.");
}

void MainController::about()
{
    if (okabout_ && idle())
        window_.openAboutWindow();
    else
        inform(std::string("Vell Varezuro:\n\n") + aboutCredit);
}

void MainController::helpPage(int dialog, int next)
{
    // The two pages lead to each other until one of them is cancelled.
    if (window_.runDialog(*makeForm(dialog, engine_.parameters()), nullptr) != dialogCancel) window_.postCommand(next);
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
    case cmdSaveAnimation:
        return fileCommands_->saveAnimation();
    default:
        return fileCommands_->loadMapFile();
    }
}

void MainController::inform(const std::string& text, const char* caption)
{
    window_.showMessage({text, caption, MessageIcon::information});
}

}  // namespace trochograph
