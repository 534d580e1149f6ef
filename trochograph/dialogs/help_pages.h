// The help pages and the formula page: pictures and prose, and buttons that page on or
// close. Page 1 ends with dialogOk on "Next", page 2 with dialogOk on "Previous", either
// with dialogCancel on "Close"; the formula page ends only by its "Close" (dialogOk).
#pragma once

#include "dialogs/dialog_template.h"

namespace trochograph {

extern const DialogTemplate helpPage1;
extern const DialogTemplate helpPage2;
extern const DialogTemplate formulaPage;

}  // namespace trochograph
