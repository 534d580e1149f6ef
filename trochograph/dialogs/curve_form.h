// The forms that edit the curve: each works on its own copy of the parameters and says in
// its edit what it wants done once it has closed. The window applies the edit whatever the
// end code, since an OK that failed part-way keeps the rows it stored.
#pragma once

#include "dialogs/form.h"
#include "engine/curve_parameters.h"

namespace trochograph {

struct CurveEdit {
    CurveParameters parameters;    // the values in force from now on, a new canvas side included
    bool restart = false;          // a value that shapes the curve changed: it starts again
    bool radii = false;            // R, r and d were stored: a paused curve goes on with them
    bool focalDistance = false;    // d is to become the ellipse's focal distance
    bool restoreDefaults = false;  // the current type's built-in values replace the stored ones
};

class CurveForm : public Form {
public:
    CurveForm(const DialogTemplate& layout, const CurveParameters& parameters) : Form(layout), edit_{parameters} {}

    const CurveEdit& edit() const { return edit_; }

protected:
    CurveParameters& parameters() { return edit_.parameters; }
    // Stores `value` in `field`; a different value restarts the curve.
    template <typename T>
    void setRestarting(T& field, T value)
    {
        if (field != value) edit_.restart = true;
        field = value;
    }

    CurveEdit edit_;
};

}  // namespace trochograph
