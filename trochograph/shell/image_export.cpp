#include "image_export.h"

#include <algorithm>
#include <string>

#include "engine.h"
#include "parameter_text.h"
#include "picture_file.h"
#include "png_export.h"
#include "smooth_painter.h"
#include "svg_export.h"
#include "targa.h"

namespace trochograph {

std::optional<ImageFormat> formatOfName(const std::filesystem::path& path)
{
    const std::string ext = lowerExtension(path);
    if (ext == ".tga") return ImageFormat::targa;
    if (ext == ".svg") return ImageFormat::svg;
    if (ext == ".png") return ImageFormat::png;
    return std::nullopt;
}

ImageFormat chosenFormat(const std::filesystem::path& path, int filter)
{
    const auto byFilter = static_cast<ImageFormat>(std::clamp(filter, 0, static_cast<int>(ImageFormat::smoothPng)));
    const auto byName = formatOfName(path);
    if (!byName) return byFilter;
    if (*byName == ImageFormat::png && byFilter == ImageFormat::smoothPng) return ImageFormat::smoothPng;
    return *byName;
}

SaveResult exportImage(const Engine& engine, ImageFormat format, const std::filesystem::path& path,
                       SmoothPainter* smooth)
{
    const std::string parameters = parameterText(engine.state.params);
    switch (format) {
    case ImageFormat::targa: return writetga(engine.canvas, path);
    case ImageFormat::png: return writePng(engine.canvas, path, parameters);
    case ImageFormat::svg: return writeSvg(engine.record, parameters, path);
    case ImageFormat::smoothPng: break;
    }
    if (!smooth) return {saveCannotCreate, "this program can't paint smooth pictures"};
    RgbPicture picture = pictureFor(engine.record);
    if (!picture.pixels)
        return {saveNoMemory, "not enough memory for a " + std::to_string(engine.record.res()) + " x " +
                                  std::to_string(engine.record.res()) + " smooth picture"};
    smooth->paint(engine.record, picture);
    return writePng(PngPixels{picture.side, picture.side, false, picture.pixels.get(), picture.stride}, path,
                    parameters);
}

}  // namespace trochograph
