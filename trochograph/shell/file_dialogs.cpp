#include "file_window.h"

namespace trochograph {

const FileDialogSetup& fileDialogSetup(FileDialogKind kind)
{
    static const FileDialogSetup setups[] = {
        {"Select a Fractint .MAP File", "Fractint .map files (*.map)", "map", false},
        {"Select a file for saving your image:", "Targa files (*.tga)", "tga", true},
        {"Select an RLT parameter file:", "RLT files (*.rlt)", "rlt", false},
        {"Select a file for saving parameters:", "RLT files (*.rlt)", "rlt", true},
    };
    return setups[static_cast<int>(kind)];
}

}  // namespace trochograph
