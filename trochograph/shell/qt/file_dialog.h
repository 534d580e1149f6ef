// The file dialogs, shown with Qt: the platform's own dialog, or Qt's where the
// application asks for that (as the tests do).
#pragma once

#include <filesystem>
#include <optional>

#include "shell/file_dialogs.h"

#include <QString>

class QWidget;

namespace trochograph {

// `filter`, when given, receives the index of the filter chosen.
std::optional<std::filesystem::path> runFileDialog(QWidget* owner, FileDialogKind kind,
                                                   const std::filesystem::path& proposed, int* filter = nullptr);

// Paths are bytes on the way in and out of Qt, so that no name is changed on the way.
QString toQString(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& name);

}  // namespace trochograph
