// The file and palette commands of the window: load and save parameter files, save the
// picture as a Targa image with its parameters beside it, and load a MAP palette after a
// preview. Each file dialog starts where it was last used.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "file_window.h"
#include "main_window_host.h"
#include "save_error.h"

namespace trochograph {

struct Engine;

class FileFlows final : public FileCommands {
public:
    // The dialogs start in `folder`, each with its own pattern.
    FileFlows(Engine& engine, FileWindow& window, const std::filesystem::path& folder);

    // The first Load Parameter File dialog proposes this file (the one the program was
    // started with).
    void proposeParameterFile(const std::filesystem::path& file);

    void loadParameters() override;
    void saveImageAndParameters() override;
    void saveParameters() override;
    void loadMapFile() override;

    // Where the dialog starts next time.
    const std::filesystem::path& lastPath(FileDialogKind kind) const { return paths_[static_cast<int>(kind)]; }

private:
    std::optional<std::filesystem::path> choose(FileDialogKind kind);
    void writeParameters(const std::filesystem::path& path);
    void reportSaveError(SaveCode code);
    void inform(const std::string& text, const char* caption = "Vell Varezuro");

    Engine& engine_;
    FileWindow& window_;
    std::array<std::filesystem::path, 4> paths_;
};

}  // namespace trochograph
