// The forms that edit the curve: each works on its own copy of the parameters and says in
// its edit what it wants done once it has closed. The window applies the edit whatever the
// end code, since an OK that failed part-way keeps the rows it stored.
#pragma once

#include <memory>

#include "common/result.h"
#include "engine/curve_edit.h"
#include "dialogs/form.h"
#include "engine/curve_parameters.h"

namespace trochograph {

class CurveForm : public Form {
public:
    CurveForm(const DialogTemplate& layout, const CurveParameters& parameters)
        : Form(layout), opened_(parameters), edit_{parameters}
    {
    }

    const CurveEdit& edit() const { return edit_; }
    // A fresh form of the same kind, opened on `parameters`.
    virtual std::unique_ptr<CurveForm> reopened(const CurveParameters& parameters) const = 0;
    // The edit OK would leave if pressed now, a question on the way answered Yes, or, as
    // one line, why OK would refuse the values. The form itself is left as it is.
    [[nodiscard]] Result<CurveEdit> pendingEdit() const;

protected:
    CurveParameters& parameters() { return edit_.parameters; }
    // Stores `value` in `field`; a different value restarts the curve.
    template <typename T>
    void setRestarting(T& field, T value)
    {
        if (field != value) edit_.restart = true;
        field = value;
    }

    const CurveParameters opened_;  // the parameters the form opened with
    CurveEdit edit_;
};

}  // namespace trochograph
