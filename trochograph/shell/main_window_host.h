// What the main window's command logic needs from the window it runs in: message boxes,
// dialogs, posting commands to itself, the cursor, the Animate check mark, the About
// window and the end of the program. The Qt window implements it; tests use a fake.
#pragma once

#include <string>

#include "dialog_template.h"
#include "engine_platform.h"
#include "form.h"
#include "message.h"

namespace trochograph {

class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // A modal message box; returns the button pressed.
    virtual MessageAnswer showMessage(const Message& message) = 0;
    // Runs a modal dialog on `form` and returns its end code (dialogOk, dialogCancel, or for
    // the help pages another code for Next or Previous).
    virtual int runDialog(Form& form) = 0;
    // Queues a command to run after the current handler, under its own guard.
    virtual void postCommand(int command) = 0;
    virtual void setCursor(CursorShape shape) = 0;
    virtual void setAnimateChecked(bool checked) = 0;
    // Shows the About window and disables the main window until it closes.
    virtual void openAboutWindow() = 0;
    // Ends the program the orderly way.
    virtual void shutdown() = 0;
};

// The file and palette commands, which come with the file dialogs.
class FileCommands {
public:
    virtual ~FileCommands() = default;
    virtual void loadParameters() = 0;
    virtual void saveImageAndParameters() = 0;
    virtual void saveParameters() = 0;
    virtual void loadMapFile() = 0;
};

}  // namespace trochograph
