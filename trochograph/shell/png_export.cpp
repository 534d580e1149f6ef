#include "png_export.h"

#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <bit>

#include "surface.h"

namespace trochograph {

std::string writePng(const Surface& surface, const std::filesystem::path& path)
{
    // 0x00BBGGRR words lie in memory as R, G, B, 0 on a little-endian host: the layout of
    // RGBX8888, so the canvas is wrapped, not copied.
    static_assert(std::endian::native == std::endian::little, "pixel layout assumes a little-endian host");
    const QImage image(reinterpret_cast<const uchar*>(surface.pixels().data()), surface.width(), surface.height(),
                       static_cast<qsizetype>(surface.width()) * 4, QImage::Format_RGBX8888);
    return writePng(image, path);
}

std::string writePng(const QImage& image, const std::filesystem::path& path)
{
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly)) return "can't create " + path.string() + ": " + file.errorString().toStdString();
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return "can't write " + path.string() + ": " + writer.errorString().toStdString();
    }
    if (!file.commit()) return "can't write " + path.string() + ": " + file.errorString().toStdString();
    return {};
}

}  // namespace trochograph
