#include "files/rlt_file.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <system_error>

#include "files/picture_formats.h"
#include "files/rlt_record.h"
#include "files/save_file.h"

namespace trochograph {

namespace {

// The whole file's size in words, for a file that is too long; reading it all would only
// waste time on something that is plainly not a parameter file. Files such as those under
// /proc report a size of 0 however much they hold, so a size that contradicts what was
// read is not believed.
std::string sizeOfLongFile(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size <= rltSize) return "longer than " + std::to_string(rltSize) + " bytes";
    return std::to_string(size) + " bytes";
}

}  // namespace

Result<void> loadRlt(const std::filesystem::path& path, CurveParameters& parameters)
{
    const Error cannotOpen{ErrorCode::cannotOpen, "Error opening RLT file"};
    std::ifstream in(path, std::ios::binary);
    if (!in) return cannotOpen;

    // One byte more than a record tells a long file from an exact one.
    std::array<char, rltSize + 1> buffer{};
    in.read(buffer.data(), buffer.size());
    if (in.bad()) return cannotOpen;
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got != rltSize) {
        const std::string size = got > rltSize ? sizeOfLongFile(path) : std::to_string(got) + " bytes";
        return Error{ErrorCode::invalid,
                     "not a parameter file: " + size + ", a parameter file has " + std::to_string(rltSize)};
    }

    std::array<std::uint8_t, rltSize> bytes{};
    std::transform(buffer.begin(), buffer.begin() + rltSize, bytes.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return applyRlt(decodeRlt(bytes), parameters);
}

Result<void> writeRlt(const CurveParameters& parameters, const std::filesystem::path& path)
{
    const auto bytes = encodeRlt(rltFromState(parameters));
    return saveFile(path, [&](ByteSink& sink) { return put(sink, bytes); });
}

std::filesystem::path rltPathFor(const std::filesystem::path& imagePath)
{
    std::filesystem::path result = imagePath;
    const std::string ext = lowerExtension(imagePath);
    if (ext.empty() || ext == ".rlt") {
        result += ".rlt";
    } else {
        result.replace_extension(".rlt");
    }
    return result;
}

}  // namespace trochograph
