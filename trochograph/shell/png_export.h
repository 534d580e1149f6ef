// Writing a surface as a PNG picture through Qt's image writer.
#pragma once

#include <filesystem>
#include <string>

class QImage;

namespace trochograph {

class Surface;

// Writes atomically: a failure leaves an existing file as it was and no partial file.
// Returns an empty string on success, else what went wrong.
std::string writePng(const Surface& surface, const std::filesystem::path& path);
std::string writePng(const QImage& image, const std::filesystem::path& path);

}  // namespace trochograph
