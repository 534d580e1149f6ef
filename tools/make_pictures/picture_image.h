// A picture turned into a Qt image and a PNG file: the raster's pixels, then its captions
// set on top with Qt's text engine. Text needs a running QGuiApplication; pixels alone
// do not.
#pragma once

#include <QImage>
#include <filesystem>

#include "common/result.h"
#include "drawn_picture.h"

namespace trochograph::pictures {

QImage toImage(const Picture& picture);

// Writes the PNG file atomically with the program's own encoder: 24-bit for an opaque
// picture, 32-bit with alpha for one with a clear colour. A failure says what went wrong
// in one line, without the file's name.
Result<void> writePicture(const Picture& picture, const std::filesystem::path& path);

}  // namespace trochograph::pictures
