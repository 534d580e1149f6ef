#include "files/picture_formats.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "files/png_export.h"
#include "files/save_file.h"
#include "files/targa.h"

namespace trochograph {

namespace {

Result<void> writeTargaFile(const PictureSource& source, const std::filesystem::path& path)
{
    return writeTarga(source.raster, path);
}

Result<void> writePngFile(const PictureSource& source, const std::filesystem::path& path)
{
    return writePng(source.raster, path, source.parameters, source.progress);
}

Result<void> writeDrawingFile(const PictureSource& source, const std::filesystem::path& path)
{
    if (!source.drawing) return Error{ErrorCode::cannotCreate, "this program keeps no drawing to write"};
    return saveFile(path, source.drawing);
}

// In the order the name rule lists them in.
constexpr PictureFormat formats[] = {
    {PictureKind::targa, ".tga", "", false, false, writeTargaFile},
    {PictureKind::png, ".png", pngSignature, true, false, writePngFile},
    {PictureKind::svg, ".svg", "<?xml", true, true, writeDrawingFile},
    {PictureKind::gcode, ".gcode", ";", true, true, writeDrawingFile},
    {PictureKind::gcode, ".nc", ";", true, true, writeDrawingFile},
    {PictureKind::thetaRho, ".thr", "#", true, true, writeDrawingFile},
};

}  // namespace

std::span<const PictureFormat> pictureFormats() { return formats; }

const PictureFormat& pictureFormat(PictureKind kind)
{
    return *std::find_if(std::begin(formats), std::end(formats), [&](const PictureFormat& f) { return f.kind == kind; });
}

std::string lowerExtension(const std::filesystem::path& p)
{
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

const PictureFormat* pictureFormatOf(const std::filesystem::path& path, bool drawings)
{
    const std::string ext = lowerExtension(path);
    for (const PictureFormat& format : formats)
        if (format.extension == ext && (drawings || !format.drawing)) return &format;
    return nullptr;
}

std::string pictureNameRule(const std::filesystem::path& path, bool drawings)
{
    // To the file system ".png" is a hidden file without an extension; it is plainly meant
    // as a picture without a name.
    const std::string name = path.filename().string();
    const PictureFormat* named = pictureFormatOf("x" + name, drawings);
    if (named && name.size() == named->extension.size())
        return "the output needs a name before " + std::string(named->extension);
    std::vector<std::string_view> extensions;
    for (const PictureFormat& format : formats)
        if (drawings || !format.drawing) extensions.push_back(format.extension);
    std::string rule = "the output must end in ";
    for (std::size_t i = 0; i < extensions.size(); ++i) {
        if (i > 0) rule += i + 1 == extensions.size() ? " or " : ", ";
        rule += extensions[i];
    }
    return rule;
}

}  // namespace trochograph
