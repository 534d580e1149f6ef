// A picture file whose format follows its name: Targa for ".tga", PNG for ".png", in
// either case.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "save_error.h"

namespace trochograph {

class Surface;

// The name's extension with its dot, in lower case: ".tga" for "Rose.TGA".
std::string lowerExtension(const std::filesystem::path& path);

// Whether the name ends in an extension writePicture knows.
bool isPictureName(const std::filesystem::path& path);

// Writes the surface in the format its name asks for; a name that asks for none is
// refused without writing. A PNG picture carries `parameters` (see writePng); Targa has no
// place for them.
SaveResult writePicture(const Surface& surface, const std::filesystem::path& path, std::string_view parameters = {});

// The message for a name isPictureName refuses.
inline constexpr const char* pictureNameRule = "the output must end in .tga or .png";

}  // namespace trochograph
