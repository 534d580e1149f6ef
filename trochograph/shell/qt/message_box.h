// Message boxes as the command logic describes them, shown with Qt.
#pragma once

#include "main_window_host.h"

class QWidget;

namespace trochograph {

// Modal; `owner` is used only when the message is owned by the main window.
MessageAnswer showMessageBox(QWidget* owner, const Message& message);

}  // namespace trochograph
