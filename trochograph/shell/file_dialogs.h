// The four file dialogs of the window: their titles, filters and default extensions.
#pragma once

#include <string>

namespace trochograph {

enum class FileDialogKind { openMap, saveImage, openParameters, saveParameters, saveAnimation };
inline constexpr int fileDialogKinds = static_cast<int>(FileDialogKind::saveAnimation) + 1;

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

}  // namespace trochograph
