#include "picture_file.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "png_export.h"
#include "targa.h"

namespace trochograph {

std::string lowerExtension(const std::filesystem::path& p)
{
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

bool isPictureName(const std::filesystem::path& path)
{
    const std::string ext = lowerExtension(path);
    return ext == ".tga" || ext == ".png";
}

SaveResult writePicture(const Surface& surface, const std::filesystem::path& path, std::string_view parameters)
{
    const std::string ext = lowerExtension(path);
    if (ext == ".png") return writePng(surface, path, parameters);
    if (ext == ".tga") return writetga(surface, path);
    return {saveCannotCreate, pictureNameRule};
}

}  // namespace trochograph
