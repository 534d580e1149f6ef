// A main window for the tests of the command logic and the file commands: a picture of a
// chosen client size; it records what it was asked, answers dialogs as a user would, from
// scripts that type into the real forms and press buttons, and file dialogs from a list.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/surface.h"
#include "engine/engine.h"
#include "shell/window_port.h"
#include "trochograph/dialogs/form_driver.h"

namespace trochograph::test {

// What a user does in one dialog; returns the end code.
using DialogScript = std::function<int(Form&)>;

// Types the entries, clicks the controls and presses OK, answering Yes to questions; when
// OK doesn't end the form (a refused value, say), presses Cancel.
inline DialogScript user(std::vector<std::pair<int, std::string>> entries, std::vector<int> clicks = {})
{
    return [entries = std::move(entries), clicks = std::move(clicks)](Form& form) {
        for (const auto& [id, text] : entries) form.type(id, text);
        for (int id : clicks) form.click(id);
        FormDriver driver{form};
        if (const FormResult ok = driver.ok(); ok.end) return *ok.end;
        return *driver.press(dialogCancel).end;
    };
}

class FakeWindow final : public WindowPort {
public:
    CurvePreview* preview = nullptr;
    std::vector<std::string> backgroundTitles;
    std::optional<int> cancelAfter;
    int filter = 0;  // the filter each file dialog was left at

    explicit FakeWindow(int clientWidth = 0, int clientHeight = 0) : picture(clientWidth, clientHeight, canvasGrey) {}

    Surface& windowSurface() override { return picture; }
    // Questions are answered Yes unless `answerYes` says otherwise.
    MessageAnswer showMessage(const Message& m) override
    {
        messages.push_back(m);
        if (whileAsked) whileAsked();
        if (m.buttons == MessageButtons::ok) return MessageAnswer::ok;
        return answerYes ? MessageAnswer::yes : MessageAnswer::no;
    }
    // A dialog with a script follows it, with the dialog's preview in `preview` meanwhile;
    // any other takes the next of `answers`, or Cancel.
    int runDialog(Form& form, CurvePreview* dialogPreview) override
    {
        const int dialog = form.layout().id;
        dialogs.push_back(dialog);
        if (const auto it = scripts.find(dialog); it != scripts.end()) {
            preview = dialogPreview;
            const int end = it->second(form);
            preview = nullptr;
            return end;
        }
        if (answers.empty()) return dialogCancel;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::filesystem::path> chooseFile(FileDialogKind kind, const std::filesystem::path& proposed) override
    {
        asked.emplace_back(kind, proposed);
        if (choices.empty()) return std::nullopt;
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
    int chosenFilter() const override { return filter; }
    void postCommand(int command) override { posted.push_back(command); }
    void repaintNow() override { ++repaints; }
    Result<void> whileBusy(const std::function<Result<void>()>& work) override
    {
        ++busy;
        return work();
    }
    // Runs the work at once; after `cancelAfter` reports (if set) it is asked to stop.
    void runInBackground(const std::string& title, std::function<Result<void>(const ProgressReport&)> work,
                         std::function<void(const Result<void>&)> done) override
    {
        backgroundTitles.push_back(title);
        int reports = 0;
        const Result<void> result = work([&](double) { return !cancelAfter || ++reports < *cancelAfter; });
        done(result);
    }
    void setAnimateChecked(bool checked) override { animateChecked = checked; }
    void openAboutWindow() override { ++aboutWindows; }
    void shutdown() override { ++shutdowns; }
    void rememberParameterFile(const std::filesystem::path& file) override { remembered.push_back(file); }
    PlotSettings plotSettings() override { return keptPlot; }
    void rememberPlotSettings(const PlotSettings& settings) override { keptPlot = settings; }
    PlotSettings keptPlot;
    void forgetParameterFile(const std::filesystem::path& file) override { forgotten.push_back(file); }
    FilmOptions filmChoice() const override { return film; }
    void rememberFilmChoice(const FilmOptions& choice) override { film = choice; }

    Surface picture;
    std::vector<Message> messages;
    std::function<void()> whileAsked;  // runs while a message box is open
    bool answerYes = true;
    std::vector<int> dialogs;
    std::map<int, DialogScript> scripts;
    std::deque<int> answers;
    std::deque<std::optional<std::filesystem::path>> choices;  // nothing: cancelled
    std::vector<std::pair<FileDialogKind, std::filesystem::path>> asked;
    std::vector<int> posted;
    int repaints = 0;
    int busy = 0;
    bool animateChecked = false;
    int aboutWindows = 0;
    int shutdowns = 0;
    std::vector<std::filesystem::path> remembered, forgotten;  // for the list of recent files
    FilmOptions film;  // Save Animation's last choice
};

}  // namespace trochograph::test
