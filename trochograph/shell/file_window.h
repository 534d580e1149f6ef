// What the file and palette commands need from the window: the four file dialogs, message
// boxes, posting commands, painting at once, and a busy state for long writes. The window's
// pixels they reach through the engine's platform. The Qt window implements it; tests use
// a fake.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "message.h"

namespace trochograph {

enum class FileDialogKind { openMap, saveImage, openParameters, saveParameters };

struct FileDialogSetup {
    const char* title;
    const char* filter;            // "Targa files (*.tga)", several separated by ";;"
    const char* defaultExtension;  // without the dot; a name typed without one gets it
    bool save;  // a Save As dialog asks before replacing a file; an Open dialog wants one that exists
};

const FileDialogSetup& fileDialogSetup(FileDialogKind kind);

// The extension (without the dot) a name typed without one gets under filter `filter` (0 =
// the first): the filter's own pattern's, or the dialog's default.
std::string filterExtension(const FileDialogSetup& setup, int filter);

class FileWindow {
public:
    virtual ~FileWindow() = default;

    // Shows a file dialog starting from `proposed`: a file, or a folder and a pattern such
    // as "dir/*.rlt". The path chosen, or nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(FileDialogKind kind,
                                                            const std::filesystem::path& proposed) = 0;
    // The filter the last file chosen was shown with: 0 for the first (or only) one.
    virtual int chosenFilter() const { return 0; }
    virtual MessageAnswer showMessage(const Message& message) = 0;
    // Queues a command to run after the current one, under its own guard.
    virtual void postCommand(int command) = 0;
    // Paints the window now, so that no trace of a closed dialog stays on it.
    virtual void repaintNow() = 0;
    // Runs `work` with the wait cursor shown and the window taking no input, and keeps the
    // window painted meanwhile.
    virtual void whileBusy(const std::function<void()>& work) = 0;
};

}  // namespace trochograph
