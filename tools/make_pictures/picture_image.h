// A picture turned into a Qt image and a PNG file: the raster's pixels, then its captions
// set on top with Qt's text engine. Text needs a running QGuiApplication; pixels alone
// do not.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>

#include "drawn_picture.h"

namespace trochograph::pictures {

QImage toImage(const Picture& picture);

// Writes the PNG file atomically with the program's own encoder: 24-bit for an opaque
// picture, 32-bit with alpha for one with a clear colour. Returns an empty string on
// success, else one line naming the file and what went wrong.
std::string writePicture(const Picture& picture, const std::filesystem::path& path);

}  // namespace trochograph::pictures
