#include "shell/file_dialogs.h"
#include "shell/image_export.h"
#include "files/film_formats.h"

#include <string_view>

namespace trochograph {

const FileDialogSetup& fileDialogSetup(FileDialogKind kind)
{
    static const FileDialogSetup setups[] = {
        {"Select a Fractint .MAP File", "Fractint .map files (*.map)", "map", false},
        {"Select a file for saving your image:", imageFilters, "tga", true},
        {"Select an RLT parameter file:", "Parameter files (*.rlt *.png);;RLT files (*.rlt)", "rlt", false},
        {"Select a file for saving parameters:", "RLT files (*.rlt)", "rlt", true},
        {"Save Animation", filmDialogFilter(), filmFormats()[0].extension + 1, true},
    };
    return setups[static_cast<int>(kind)];
}

std::string filterExtension(const FileDialogSetup& setup, int filter)
{
    std::string_view filters = setup.filter;
    for (int i = 0; i < filter; ++i) {
        const std::size_t next = filters.find(";;");
        if (next == std::string_view::npos) return setup.defaultExtension;
        filters.remove_prefix(next + 2);
    }
    const std::size_t star = filters.find("(*.");
    if (star == std::string_view::npos) return setup.defaultExtension;
    filters.remove_prefix(star + 3);
    return std::string(filters.substr(0, filters.find_first_of(" ;)")));
}

}  // namespace trochograph
