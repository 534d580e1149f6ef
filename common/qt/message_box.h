// Message boxes as the program's logic describes them, shown with Qt.
#pragma once

#include "common/message.h"

class QWidget;

namespace trochograph {

// Shows the box and returns the button pressed. An owned box is modal to `owner`, the
// window raising it. A box without an owner stands alone: the windows behind it go on
// taking input while it waits here for its answer.
MessageAnswer showMessageBox(QWidget* owner, const Message& message);

// A box without an owner is waiting for its answer: drawing that would follow the box
// waits too, as it would behind a modal one.
bool standaloneBoxOpen();

}  // namespace trochograph
