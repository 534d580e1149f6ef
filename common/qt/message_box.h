// Message boxes as the command logic describes them, shown with Qt.
#pragma once

#include "common/message.h"

class QWidget;

namespace trochograph {

// Modal; `owner` is the window raising it, used only when the message is owned.
MessageAnswer showMessageBox(QWidget* owner, const Message& message);

}  // namespace trochograph
