#include "dialogs/curve_form.h"

namespace trochograph {

namespace {

// A message box's text on one line: its line breaks and the spaces around them become one
// space.
std::string oneLine(const std::string& text)
{
    std::string line;
    bool gap = false;
    for (const char c : text) {
        if (c == '\n' || c == ' ') {
            gap = !line.empty();
            continue;
        }
        if (gap) line += ' ';
        gap = false;
        line += c;
    }
    return line;
}

}  // namespace

Result<CurveEdit> CurveForm::pendingEdit() const
{
    // A fresh form of the same kind, opened on the same parameters and showing the same
    // values, presses OK: whatever OK stores along the way lands in the copy.
    const std::unique_ptr<CurveForm> copy = reopened(opened_);
    copy->copyControls(*this);
    const FormResult result = copy->press(dialogOk, [](const Message&) { return true; });
    if (result.error) return Error{ErrorCode::invalid, oneLine(result.error->text)};
    if (result.end != dialogOk) return Error{ErrorCode::invalid, "OK would not take these values"};
    return copy->edit();
}

}  // namespace trochograph
