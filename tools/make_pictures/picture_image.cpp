#include "picture_image.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include "files/png_export.h"

namespace trochograph::pictures {

namespace {

QColor toQColor(Colorref c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// Fonts found on a plain Debian system, by family name; the style hint picks a close
// substitute where they are missing.
QFont captionFont(const Caption& caption)
{
    const bool serif = caption.typeface == Typeface::serif;
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(caption.pixelSize);
    font.setBold(caption.bold);
    font.setItalic(caption.italic);
    return font;
}

}  // namespace

QImage toImage(const Picture& picture)
{
    const Surface& s = picture.surface;
    // Without a clear colour the picture is opaque and becomes a 24-bit PNG.
    QImage image(s.width(), s.height(), picture.transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // Without the memory for it the image is null, and writing it reports the failure.
    if (image.isNull()) return image;
    for (int y = 0; y < s.height(); ++y) {
        const Colorref* in = s.row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s.width(); ++x) {
            const Colorref c = in[x];
            out[x] = picture.transparent == c ? qRgba(0, 0, 0, 0) : qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    if (picture.captions.empty()) return image;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Caption& caption : picture.captions) {
        painter.setFont(captionFont(caption));
        painter.setPen(toQColor(caption.color));
        const Rect& b = caption.box;
        painter.drawText(QRect(b.left, b.top, b.right - b.left, b.bottom - b.top), Qt::AlignCenter,
                         QString::fromStdString(caption.text));
    }
    return image;
}

Result<void> writePicture(const Picture& picture, const std::filesystem::path& path)
{
    // Opaque pictures as RGB, the others as RGBA: both layouts are plain bytes in PNG order,
    // and ARGB32 is not premultiplied, so the samples carry over unchanged.
    const QImage bytes =
        toImage(picture).convertToFormat(picture.transparent ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (bytes.isNull()) return Error{ErrorCode::noMemory, "not enough memory for the picture"};
    const PngPixels pixels{bytes.width(), bytes.height(), picture.transparent.has_value(), bytes.constBits(),
                           static_cast<std::ptrdiff_t>(bytes.bytesPerLine())};
    return writePng(pixels, path);
}

}  // namespace trochograph::pictures
