// Drives a form as a user would: types into boxes, clicks, presses buttons, and answers
// the form's questions from a script, keeping what it was asked.
#pragma once

#include <string>
#include <vector>

#include "dialogs/form.h"

namespace trochograph::test {

struct FormDriver {
    explicit FormDriver(Form& f, bool yes = true) : form(f), answerYes(yes) {}

    Form& form;
    bool answerYes;
    std::vector<Message> questions;

    FormResult press(int id)
    {
        return form.press(id, [this](const Message& question) {
            questions.push_back(question);
            return answerYes;
        });
    }
    FormResult ok() { return press(dialogOk); }
    // The error text of a result, "" when it has none.
    static std::string error(const FormResult& r) { return r.error ? r.error->text : ""; }
};

}  // namespace trochograph::test
