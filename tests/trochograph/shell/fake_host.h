// A main window for the command logic's tests: it records what it was asked, and answers
// dialogs as a user would, from scripts that type into the real forms and press buttons.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "trochograph/dialogs/form_driver.h"
#include "main_window_host.h"

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

class FakeHost final : public MainWindowHost {
public:
    MessageAnswer showMessage(const Message& m) override
    {
        messages.push_back(m);
        return MessageAnswer::ok;
    }
    // A dialog with a script follows it; any other takes the next of `answers`, or Cancel.
    int runDialog(Form& form) override
    {
        const int dialog = form.layout().id;
        dialogs.push_back(dialog);
        if (const auto it = scripts.find(dialog); it != scripts.end()) return it->second(form);
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
    std::map<int, DialogScript> scripts;
    std::deque<int> answers;
    std::vector<int> posted;
    std::vector<CursorShape> cursors;
    bool animateChecked = false;
    int aboutWindows = 0;
    int shutdowns = 0;
};

}  // namespace trochograph::test
