// The file and palette commands of the window: load parameters from a .rlt file or a PNG
// picture that carries them, save parameter files, save the picture as a Targa image with
// its parameters beside it, and load a MAP palette after a preview. Each file dialog
// starts where it was last used. Every parameter file loaded or saved is remembered in the
// window's list of recent files.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "common/result.h"
#include "files/picture_formats.h"
#include "files/plot_settings.h"
#include "shell/window_port.h"

namespace trochograph {

class Engine;
class SmoothPainter;
struct ParameterOrigin;

// The message box for a refused Load Parameter File, also at start-up: the fixed one of an
// RLT file, or one that tells of a PNG picture.
Message parameterFileRefusal(const ParameterOrigin& origin);

class FileFlows final : public FileCommands {
public:
    // The dialogs start in `folder`, each with its own pattern. Without `smooth`, a picture
    // asked for smooth can't be saved.
    FileFlows(Engine& engine, WindowPort& window, const std::filesystem::path& folder,
              SmoothPainter* smooth = nullptr);

    // The first Load Parameter File dialog proposes this file (the one the program was
    // started with).
    void proposeParameterFile(const std::filesystem::path& file);

    void loadParameters() override;
    void saveImageAndParameters() override;
    void saveParameters() override;
    void loadMapFile() override;
    // A file that has gone since it was listed leaves the list, with a note saying so.
    void loadRecentFile(const std::filesystem::path& file) override;
    // Films the current curve from its start, beside the window, with a progress window.
    void saveAnimation() override;

    // Where the dialog starts next time.
    const std::filesystem::path& lastPath(FileDialogKind kind) const { return paths_[static_cast<int>(kind)]; }

private:
    std::optional<std::filesystem::path> choose(FileDialogKind kind);
    void load(const std::filesystem::path& path);
    // False when the parameters could not be written (the user has been told).
    bool writeParameters(const std::filesystem::path& path);
    // The machine settings for a file of `kind`: for G-code and tracks, asked for in their
    // dialog, prefilled with the last ones and kept on OK; nothing when the user cancelled.
    std::optional<PlotSettings> askPlotSettings(PictureKind kind);
    void reportSaveError(const std::filesystem::path& path, const Error& error);
    void inform(const std::string& text, const char* caption = "Vell Varezuro");

    Engine& engine_;
    WindowPort& window_;
    SmoothPainter* smooth_;
    std::array<std::filesystem::path, fileDialogKinds> paths_;
};

}  // namespace trochograph
