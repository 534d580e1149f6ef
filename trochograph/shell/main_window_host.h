// What the main window's command logic needs from the window it runs in: message boxes,
// dialogs, posting commands to itself, the cursor, the Animate check mark, the About
// window and the end of the program. The Qt window implements it; tests use a fake.
#pragma once

#include <string>

#include "engine_platform.h"

namespace trochograph {

enum class MessageIcon { none, information, warning };
enum class MessageButtons { ok, yesNo };
enum class MessageAnswer { ok, yes, no };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::information;
    MessageButtons buttons = MessageButtons::ok;
    bool ownedByMainWindow = false;
    friend bool operator==(const Message&, const Message&) = default;
};

// The modal dialogs, by template number, and what they end with.
enum Dialog : int {
    dialogImageType = 200,
    dialogEllipseOptions = 300,
    dialogChooseK = 400,
    dialogParameters = 500,
    dialogColors = 600,
    dialogHelpPage1 = 700,
    dialogHelpPage2 = 800,
    dialogFormulae = 900,
};
constexpr int dialogOk = 1;
constexpr int dialogCancel = 2;

class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // A modal message box; returns the button pressed.
    virtual MessageAnswer showMessage(const Message& message) = 0;
    // Runs a modal dialog and returns its end code (dialogOk, dialogCancel, or for the
    // help pages another code for Next or Previous).
    virtual int runDialog(int dialog) = 0;
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
