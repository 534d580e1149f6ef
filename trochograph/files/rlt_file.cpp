#include "rlt_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <string>
#include <system_error>

#include "atomic_file.h"
#include "rlt_record.h"

namespace trochograph {

namespace {

// The whole file's size in words, for a file that is too long; reading it all would only
// waste time on something that is plainly not a parameter file.
std::string sizeOfLongFile(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? std::string("more than ") + std::to_string(rltSize) + " bytes" : std::to_string(size) + " bytes";
}

}  // namespace

LoadResult loadrlt(const std::filesystem::path& path, CurveState& state)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return {LoadResult::cannotOpen, "Error opening RLT file"};

    // One byte more than a record tells a long file from an exact one.
    std::array<char, rltSize + 1> buffer{};
    in.read(buffer.data(), buffer.size());
    if (in.bad()) return {LoadResult::cannotOpen, "Error opening RLT file"};
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got != rltSize) {
        const std::string size = got > rltSize ? sizeOfLongFile(path) : std::to_string(got) + " bytes";
        return {LoadResult::invalid, "not a parameter file: " + size + ", a parameter file has " +
                                         std::to_string(rltSize)};
    }

    std::array<std::uint8_t, rltSize> bytes{};
    std::transform(buffer.begin(), buffer.begin() + rltSize, bytes.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    const RltRecord record = decodeRlt(bytes);
    if (auto reason = validateRlt(record)) return {LoadResult::invalid, *reason};
    applyRlt(record, state);
    return {};
}

int writerlt(const std::filesystem::path& path, const CurveState& state)
{
    const auto bytes = encodeRlt(rltFromState(state));
    AtomicFileSink file;
    if (!file.open(path)) return saveCannotCreate;
    if (!file.write(bytes) || !file.commit()) return saveWriteFailed;
    return saveOk;
}

std::filesystem::path rltPathFor(const std::filesystem::path& imagePath)
{
    std::filesystem::path result = imagePath;
    std::string ext = imagePath.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext.empty() || ext == ".rlt") {
        result += ".rlt";
    } else {
        result.replace_extension(".rlt");
    }
    return result;
}

}  // namespace trochograph
