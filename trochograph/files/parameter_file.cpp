#include "files/parameter_file.h"

#include <array>
#include <fstream>

#include "files/parameter_text.h"
#include "files/png_parameters.h"
#include "files/rlt_file.h"

namespace trochograph {

namespace {

// A file that can't be opened is left to loadRlt, which says so as it always has.
bool startsAsPng(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::array<char, pngSignatureSize> start{};
    if (!in.read(start.data(), start.size())) return false;
    std::array<std::uint8_t, pngSignatureSize> bytes{};
    for (std::size_t i = 0; i < start.size(); ++i) bytes[i] = static_cast<std::uint8_t>(start[i]);
    return isPngSignature(bytes);
}

}  // namespace

Result<void> loadParameterFile(const std::filesystem::path& path, CurveParameters& parameters,
                               ParameterOrigin& origin)
{
    origin = {};
    if (!startsAsPng(path)) return loadRlt(path, parameters);
    origin.picture = true;
    const Result<PictureParameters> carried = loadPngParameters(path);
    if (!carried) return carried.error();
    return applyPictureParameters(*carried, parameters);
}

}  // namespace trochograph
