#include "files/rlt_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "files/picture_formats.h"
#include "files/rlt_record.h"
#include "files/save_file.h"

namespace trochograph {

Result<void> applyRltBytes(std::span<const std::uint8_t> bytes, CurveParameters& parameters)
{
    if (bytes.size() < rltSize)
        return Error{ErrorCode::invalid, "not a parameter file: " + std::to_string(bytes.size()) +
                                             " bytes, a parameter file has " + std::to_string(rltSize)};
    return applyRlt(decodeRlt(bytes.first<rltSize>()), parameters);
}

Result<void> readRlt(std::FILE* file, std::span<const std::uint8_t> start, CurveParameters& parameters)
{
    std::array<std::uint8_t, rltSize> bytes{};
    const std::size_t kept = std::min(start.size(), rltSize);
    std::copy_n(start.begin(), kept, bytes.begin());
    const std::size_t got = kept + std::fread(bytes.data() + kept, 1, rltSize - kept, file);
    if (std::ferror(file)) return Error{ErrorCode::cannotOpen, "Error opening RLT file"};
    return applyRltBytes(std::span(bytes.data(), got), parameters);
}

Result<void> loadRlt(const std::filesystem::path& path, CurveParameters& parameters)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return Error{ErrorCode::cannotOpen, "Error opening RLT file"};
    return readRlt(file.get(), {}, parameters);
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
