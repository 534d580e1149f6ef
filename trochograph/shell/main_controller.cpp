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
    : engine_(engine), window_(window), defaults_(RestoreValues::capture(engine.state))
{
}

bool MainController::idle() const { return !engine_.drawing(); }

std::optional<int> MainController::step()
{
    if (idle()) return std::nullopt;
    const StepRequest request = engine_.step();
    if (request.closureFigures) inform(engine_.closureFigures());
    return request.waitMs;
}

void MainController::command(int id)
{
    RunFlags& f = engine_.state.flags;
    // About is always answered and Conclude has a guard of its own; everything else waits
    // until nothing is being drawn, and is otherwise ignored without a word.
    if (id == cmdAbout) return about();
    if (id == cmdConclude) {
        if (f.okconclude) conclude();
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
        f.okroulette = 1;
        f.okconclude = 0;
        return;
    case cmdImageType:
        return imageType();
    case cmdEllipseOptions:
        if (engine_.state.params.ellipse) {
            EllipseOptionsForm form(engine_.state.params);
            runCurveDialog(form);
        }
        return;
    case cmdChooseK: {
        ChooseKForm form(engine_.state.params);
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
        window_.runDialog(*makeForm(dialogFormulae, engine_.state.params), nullptr);
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
    CurveState& s = engine_.state;
    RunFlags& f = s.flags;
    if (key == KeyPress::pause) {
        if (f.okintro) {
            f.stopintro = 1;
        } else if (f.okroulette) {
            pause();
            if (f.debug && s.params.type == rhodoneaIrrational) {
                window_.showMessage(
                    {"theta: " + fixedText(s.progress.theta, 15), "Vell Varezuro", MessageIcon::none});
            }
        }
    } else if (key == KeyPress::d && !f.okroulette) {
        f.debug = 1 - f.debug;
        inform(f.debug ? "Debugging display turned on." : "Debugging display turned off.");
    }
}

void MainController::mouseButton()
{
    RunFlags& f = engine_.state.flags;
    if (f.okintro)
        f.stopintro = 1;
    else if (f.okroulette)
        pause();
}

void MainController::pause()
{
    engine_.state.flags.okroulette = 0;
    engine_.state.flags.okconclude = 1;
}

int MainController::runCurveDialog(CurveForm& form)
{
    CurvePreview preview(engine_.state, defaults_);
    const int end = window_.runDialog(form, &preview);
    apply(form.edit());
    return end;
}

void MainController::apply(const CurveEdit& edit)
{
    applyEdit(engine_.state, edit, defaults_, [this](const CurveParameters& p) { engine_.setParameters(p); });
}

void MainController::imageType()
{
    CurveState& s = engine_.state;
    ImageTypeForm form(s.params, s.flags.firstRI == 1);
    if (runCurveDialog(form) == dialogCancel) return;
    if (s.params.type == rhodoneaIrrational) {
        // The first irrational rose of a run has drawn 21 circuits (the form gave them); the
        // choice of k follows every confirmation of this type.
        s.flags.firstRI = 0;
        window_.postCommand(cmdChooseK);
    }
    if (s.params.ellipse && s.flags.firstellipse) {
        s.flags.firstellipse = 0;
        window_.postCommand(cmdEllipseOptions);
    }
}

void MainController::parameters()
{
    ParametersForm form(engine_.state.params);
    runCurveDialog(form);
}

void MainController::animate()
{
    CurveState& s = engine_.state;
    s.flags.animate = 1 - s.flags.animate;
    window_.setAnimateChecked(s.flags.animate == 1);
    // Part of a curve is drawn: its fixed circle joins the picture now.
    if (s.flags.animate && s.progress.theta != 0.0 && s.flags.clearflag == 0) engine_.showFixedCircle();
}

void MainController::colors()
{
    CurveState& s = engine_.state;
    const Colorref background = s.params.back;
    ColorsForm form(s.params);
    if (runCurveDialog(form) == dialogCancel) return;
    if (s.params.back != background) s.restartOnFreshBackground();
}

void MainController::defaultPalette()
{
    engine_.state.params.crpalette = defaults_.crdefault;
    inform("Default palette restored", "Vell Varezuro 3");
    window_.postCommand(cmdClear);
}

void MainController::clear() { engine_.clearScreen(); }

void MainController::conclude()
{
    CurveState& s = engine_.state;
    s.flags.okconclude = 0;
    s.restart();
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
    if (window_.runDialog(*makeForm(dialog, engine_.state.params), nullptr) != dialogCancel) window_.postCommand(next);
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
