#include "shell/image_export.h"

#include <algorithm>
#include <string>

#include "engine/engine.h"
#include "files/gcode_export.h"
#include "files/parameter_text.h"
#include "files/png_export.h"
#include "files/svg_export.h"
#include "files/theta_rho_export.h"
#include "shell/smooth_painter.h"

namespace trochograph {

namespace {

// The dialog's filters in imageFilters' order.
const ImageChoice filterChoices[] = {
    {&pictureFormat(PictureKind::targa)},
    {&pictureFormat(PictureKind::svg)},
    {&pictureFormat(PictureKind::png)},
    {&pictureFormat(PictureKind::png), true},
    {&pictureFormat(PictureKind::gcode)},
    {&pictureFormat(PictureKind::thetaRho)},
};

Result<void> writeSmooth(const DrawingRecord& record, const std::filesystem::path& path, std::string_view parameters,
                         SmoothPainter* smooth, const ProgressReport& progress)
{
    if (!smooth) return Error{ErrorCode::cannotCreate, "this program can't paint smooth pictures"};
    if (Result<void> ready = smooth->prepare(); !ready) return ready;
    RgbPicture picture = pictureFor(record);
    if (!picture.pixels)
        return Error{ErrorCode::noMemory, "not enough memory for a " + std::to_string(record.res()) + " x " +
                                              std::to_string(record.res()) + " smooth picture"};
    smooth->paint(record, picture);
    return writePng(PngPixels{picture.side, picture.side, false, picture.pixels.get(), picture.stride}, path,
                    parameters, progress);
}

}  // namespace

ImageChoice chosenImage(const std::filesystem::path& path, int filter)
{
    const int last = static_cast<int>(std::size(filterChoices)) - 1;
    const ImageChoice byFilter = filterChoices[std::clamp(filter, 0, last)];
    const PictureFormat* byName = pictureFormatOf(path);
    if (!byName) return byFilter;
    return {byName, byName == byFilter.format && byFilter.smooth};
}

Result<void> exportImage(const Engine& engine, ImageChoice choice, const std::filesystem::path& path,
                         SmoothPainter* smooth, const ProgressReport& progress, const PlotSettings& plot)
{
    const std::string parameters = parameterText(engine.parameters());
    if (choice.smooth) return writeSmooth(engine.record(), path, parameters, smooth, progress);
    const DrawingRecord& record = engine.record();
    const PictureKind kind = choice.format->kind;
    const PictureSource source{engine.canvas(), parameters,
                               [&](ByteSink& sink) {
                                   if (kind == PictureKind::gcode) return encodeGcode(record, sink, parameters, plot);
                                   if (kind == PictureKind::thetaRho)
                                       return encodeThetaRho(record, sink, parameters, plot);
                                   return encodeSvg(record, sink, parameters);
                               },
                               progress};
    return choice.format->write(source, path);
}

}  // namespace trochograph
