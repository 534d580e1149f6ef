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

bool CurveForm::previewAnswer(const Message&) { return true; }

FormResult CurveForm::press(int id, const Confirm& confirm)
{
    if (id == dialogCancel) return FormResult::ended(dialogCancel);
    if (id != dialogOk) return FormResult::stays();
    CurveReading reading = read(confirm);
    edit_ = std::move(reading.edit);
    if (reading.failed) return FormResult::fails(std::move(*reading.failed));
    if (reading.declined) return FormResult::stays();
    return FormResult::ended(dialogOk);
}

Result<CurveEdit> CurveForm::pendingEdit() const
{
    CurveReading reading = read(previewAnswer);
    if (reading.failed) return Error{ErrorCode::invalid, oneLine(reading.failed->text)};
    if (reading.declined) return Error{ErrorCode::invalid, "OK would not take these values"};
    return std::move(reading.edit);
}

}  // namespace trochograph
