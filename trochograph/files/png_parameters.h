// The parameters a PNG picture carries, read back from the first tEXt chunk keyed
// pngParametersKeyword (png_export.h, parameter_text.h) without decoding the picture:
// libpng reads the chunks up to the first image data and no further, and every other
// ancillary chunk is passed over as it comes, so that nothing is inflated and nothing
// piles up in memory. A chunk after the image data is not seen; ours are written before.
//
// libpng's messages never reach stderr; its errors become the refusal's message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

#include "common/result.h"
#include "files/parameter_text.h"
#include "files/png_export.h"

namespace trochograph {

inline constexpr std::size_t pngSignatureSize = pngSignature.size();

// Whether the bytes start with the PNG signature.
bool isPngSignature(std::span<const std::uint8_t> bytes);

// Reads and checks the parameters of the PNG picture at `path`. A refusal says why: the
// file can't be read (cannotOpen), or is no PNG picture, is damaged or cut short, carries
// no parameters, or carries parameters parseParameterText refuses (invalid).
Result<PictureParameters> loadPngParameters(const std::filesystem::path& path);
// The same from an open file whose signature was read already.
Result<PictureParameters> readPngParameters(std::FILE* file);

// The message for a file that should be a PNG picture but doesn't start as one.
inline constexpr const char* notAPngPicture = "not a PNG picture";
// The message for a PNG picture without a tEXt chunk of ours.
inline constexpr const char* noPngParameters = "no Trochograph parameters in this PNG picture";

}  // namespace trochograph
