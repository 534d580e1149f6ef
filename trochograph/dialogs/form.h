// The logic of one modal form: what its controls show, what a click on a radio button or
// check box changes, and what its push buttons do. It holds the state of every control
// by id, as the window shell mirrors it: the shell shows these values, tells the form
// what the user typed and clicked, and acts on the result of a button.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/message.h"
#include "dialogs/dialog_template.h"

namespace trochograph {

// What a push button did: the form ends with a code, or stays open, perhaps with an
// error to report once the button's handling is over.
struct FormResult {
    std::optional<int> end;
    std::optional<Message> error;

    static FormResult ended(int code) { return {code, std::nullopt}; }
    static FormResult stays() { return {}; }
    static FormResult fails(Message error) { return {std::nullopt, std::move(error)}; }
};

class Form;

// Three edit boxes that hold one colour's red, green and blue, for a window to offer a
// colour chooser beside them.
struct Rgb {
    int red = 0, green = 0, blue = 0;
};
struct ColorFields {
    const char* name;  // what the colour is, as the chooser's title says it
    int red, green, blue;
    // The colour the boxes show now, each component read as OK reads it and kept to 0..255.
    Rgb shownIn(const Form& form) const;
};

// Asks the user a yes-or-no question on the form's behalf; true for Yes.
using Confirm = std::function<bool(const Message&)>;

class Form {
public:
    explicit Form(const DialogTemplate& layout);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const DialogTemplate& layout() const { return layout_; }

    // What the controls show: the text of an edit box or label, whether a radio button or
    // check box is ticked, whether a control is enabled. Unknown ids show nothing.
    const std::string& text(int id) const;
    bool checked(int id) const;
    bool enabled(int id) const;
    // What OK reads from an edit box: its text up to the first 29 characters.
    std::string_view entry(int id) const { return std::string_view(text(id)).substr(0, 29); }

    // What the user did. Typing replaces an edit box's text; a click ticks a radio button
    // (and clears the others of its group) or toggles a check box, then the form reacts.
    void type(int id, std::string text);
    void click(int id);
    // The radio buttons of the group `id` belongs to, in layout order: the run of radio
    // buttons around it. Empty when `id` is no radio button.
    std::vector<int> radioGroup(int id) const;

    // A push button, or button 2 for the keyboard's cancel key.
    [[nodiscard]] virtual FormResult press(int id, const Confirm& confirm) = 0;
    // The colours the form's edit boxes hold, if any.
    virtual std::vector<ColorFields> colorFields() const { return {}; }

protected:
    void show(int id, std::string text);
    void check(int id, bool ticked);
    void enable(int id, bool on);
    // Ticks `id` and clears the other radio buttons of its group.
    void select(int id);
    // The first ticked radio button from `first` to `last`, or -1.
    int selected(int first, int last) const;

    // Called after a click has changed the control.
    virtual void clicked(int /*id*/) {}

private:
    struct ControlState {
        std::string text;
        bool checked = false;
        bool enabled = true;
    };
    ControlState* find(int id);
    const ControlState* find(int id) const;

    const DialogTemplate& layout_;
    std::map<int, ControlState> controls_;
};

// The buttons of a form that only shows things: button `closes` ends it with that code,
// and, for a help page, the other with its own.
class PageForm : public Form {
public:
    // `cancelCloses`: whether button 2 (the cancel key) ends the page.
    PageForm(const DialogTemplate& layout, bool cancelCloses) : Form(layout), cancelCloses_(cancelCloses) {}
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

private:
    bool cancelCloses_;
};

}  // namespace trochograph
