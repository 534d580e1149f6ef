// The forms that edit the curve: each reads its controls' values, with the parameters it
// was opened on, into the edit OK leaves behind: the parameters to use from now on and
// what must follow. The reading is one pure function of the form, which OK and the
// dialogs' preview both call, so the preview can't disagree with OK. The window applies
// the edit whatever the end code, since an OK that failed part-way keeps the rows it
// stored.
#pragma once

#include <optional>

#include "common/message.h"
#include "common/result.h"
#include "dialogs/form.h"
#include "engine/curve_edit.h"
#include "engine/curve_parameters.h"

namespace trochograph {

// What OK makes of the values the controls show.
struct CurveReading {
    CurveEdit edit;                 // what OK stores, up to where it stopped
    std::optional<Message> failed = std::nullopt;  // the rule that stopped it, reported to the user
    bool declined = false;          // a question on the way was answered No: the form stays
};

class CurveForm : public Form {
public:
    CurveForm(const DialogTemplate& layout, const CurveParameters& parameters)
        : Form(layout), opened_(parameters), edit_{parameters}
    {
    }

    // What OK left behind last: the parameters it opened with until then.
    const CurveEdit& edit() const { return edit_; }
    // OK reads the values, asking `confirm` the questions on the way, and stores what it
    // read; Cancel ends the form with nothing stored.
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;
    // The edit OK would leave if pressed now, each question answered as the preview
    // answers it (previewAnswer), or, as one line, why OK would refuse the values.
    [[nodiscard]] Result<CurveEdit> pendingEdit() const;

    // How the preview answers a question OK would ask: Yes, so that it shows what OK draws
    // once the user agrees ("Part(s) of curve may lie outside of image borders" among them).
    static bool previewAnswer(const Message& question);

protected:
    // The one reading of the controls: from the parameters the form opened with, what OK
    // stores, asking `confirm` the questions on the way.
    [[nodiscard]] virtual CurveReading read(const Confirm& confirm) const = 0;
    const CurveParameters& opened() const { return opened_; }

    // Stores `value` in `field`; a different value restarts the curve.
    template <typename T>
    static void setRestarting(CurveEdit& edit, T& field, T value)
    {
        if (field != value) edit.restart = true;
        field = value;
    }

private:
    const CurveParameters opened_;  // the parameters the form opened with
    CurveEdit edit_;
};

}  // namespace trochograph
