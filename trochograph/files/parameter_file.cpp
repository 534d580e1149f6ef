#include "parameter_file.h"

#include <array>
#include <fstream>

#include "parameter_text.h"
#include "png_parameters.h"
#include "rlt_file.h"

namespace trochograph {

namespace {

// A file that can't be opened is left to loadrlt, which says so as it always has.
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

LoadResult loadParameterFile(const std::filesystem::path& path, CurveParameters& parameters,
                             ParameterOrigin& origin)
{
    origin = {};
    if (!startsAsPng(path)) return loadrlt(path, parameters);
    origin.picture = true;
    PictureParameters carried;
    if (LoadResult read = readPngParameters(path, carried); !read) return read;
    applyPictureParameters(carried, parameters);
    return {};
}

}  // namespace trochograph
