// What the main window's command logic and its file commands need from the window they run
// in, each operation once: its picture, message boxes, dialogs and file dialogs, posting
// commands to itself, painting at once, a busy state for long work, the Animate check mark,
// the About window, the list of recent parameter files and the end of the program. The Qt
// window implements it; tests use a fake.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/message.h"
#include "common/progress.h"
#include "common/result.h"
#include "dialogs/dialog_template.h"
#include "dialogs/form.h"
#include "files/film_formats.h"
#include "files/plot_settings.h"
#include "shell/file_dialogs.h"

namespace trochograph {

class CurvePreview;
class Surface;

class WindowPort {
public:
    virtual ~WindowPort() = default;

    // The picture the client area shows, as large as the client area; the engine draws
    // into it.
    virtual Surface& windowSurface() = 0;
    // A modal message box; returns the button pressed.
    virtual MessageAnswer showMessage(const Message& message) = 0;
    // Runs a modal dialog on `form` and returns its end code (dialogOk, dialogCancel, or for
    // the help pages another code for Next or Previous). A curve form comes with a preview
    // to show beside it, following its values; other forms with none.
    virtual int runDialog(Form& form, CurvePreview* preview) = 0;
    // Shows a file dialog starting from `proposed`: a file, or a folder and a pattern such
    // as "dir/*.rlt". The path chosen, or nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(FileDialogKind kind,
                                                            const std::filesystem::path& proposed) = 0;
    // The filter the last file chosen was shown with: 0 for the first (or only) one.
    virtual int chosenFilter() const { return 0; }
    // Queues a command to run after the current handler, under its own guard.
    virtual void postCommand(int command) = 0;
    // Paints the window now, so that no trace of a closed dialog stays on it.
    virtual void repaintNow() = 0;
    // Runs `work` with the wait cursor shown and the window taking no input, and keeps the
    // window painted meanwhile; returns what the work returned, or the exception it threw
    // as an error.
    virtual Result<void> whileBusy(const std::function<Result<void>()>& work) = 0;
    // Runs `work` beside the window, which stays usable, with a progress window titled
    // `title` whose Cancel asks the work to stop; `done` hears the result afterwards, on
    // the window's side.
    virtual void runInBackground(const std::string& title,
                                 std::function<Result<void>(const ProgressReport& progress)> work,
                                 std::function<void(const Result<void>& result)> done) = 0;
    virtual void setAnimateChecked(bool checked) = 0;
    // Shows the About window and disables the main window until it closes.
    virtual void openAboutWindow() = 0;
    // Ends the program the orderly way.
    virtual void shutdown() = 0;
    // A parameter file was loaded or saved: it heads the list of recent files.
    virtual void rememberParameterFile(const std::filesystem::path& /*file*/) {}
    // A listed file has gone: it leaves the list.
    virtual void forgetParameterFile(const std::filesystem::path& /*file*/) {}
    // The choice Save Animation offers first: the last one made, kept beside the list of
    // recent files.
    virtual FilmOptions filmChoice() const { return {}; }
    virtual void rememberFilmChoice(const FilmOptions& /*choice*/) {}
    // The machine settings the plot settings dialog last accepted, as the settings file
    // keeps them; the defaults when it keeps none or can't be read.
    virtual PlotSettings plotSettings() { return {}; }
    virtual void rememberPlotSettings(const PlotSettings& /*settings*/) {}
};

// The file and palette commands, which come with the file dialogs.
class FileCommands {
public:
    virtual ~FileCommands() = default;
    virtual void loadParameters() = 0;
    virtual void saveImageAndParameters() = 0;
    virtual void saveParameters() = 0;
    virtual void loadMapFile() = 0;
    // Loads a file of the list of recent files, as Load Parameter File would after its
    // dialog.
    virtual void loadRecentFile(const std::filesystem::path& file) = 0;
    virtual void saveAnimation() = 0;
};

}  // namespace trochograph
