// The chunk reader of PNG pictures. Any bytes give parameters or are refused as invalid.
// Accepted parameters are those of the first text chunk of ours before the image data,
// found here by a walk of our own, and the reader stops at the image data. Mutated bytes
// rarely keep their checksums, so bytes with a bad one are read once more with every
// checksum mended, for the chunks' contents to be searched as well as the check.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "files/png_parameters.h"
#include "files/rlt_file.h"
#include "fuzz/fuzz_check.h"

using namespace trochograph;
using trochograph::fuzz::check;

namespace {

struct Chunk {
    std::size_t start;  // of its length field
    std::uint32_t length;
    std::string type;
    bool complete;  // its data and checksum are all there
};

std::uint32_t bigEndian(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
           bytes[at + 3];
}

// The chunks after the signature, as far as their lengths lead.
std::vector<Chunk> chunksOf(std::span<const std::uint8_t> bytes)
{
    std::vector<Chunk> chunks;
    for (std::size_t at = pngSignatureSize; at + 8 <= bytes.size();) {
        const std::uint32_t length = bigEndian(bytes, at);
        const bool complete = length <= bytes.size() - at - 8 && bytes.size() - at - 8 - length >= 4;
        chunks.push_back({at, length, std::string(bytes.begin() + at + 4, bytes.begin() + at + 8), complete});
        if (!complete) break;
        at += 12 + std::size_t{length};
    }
    return chunks;
}

std::uint32_t checksum(std::span<const std::uint8_t> bytes, const Chunk& chunk)
{
    return static_cast<std::uint32_t>(crc32(0, bytes.data() + chunk.start + 4, chunk.length + 4));
}

// The bytes with every complete chunk's checksum right, or nothing if all were.
std::optional<std::vector<std::uint8_t>> mended(std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    bool changed = false;
    for (const Chunk& chunk : chunksOf(bytes)) {
        if (!chunk.complete) break;
        const std::size_t at = chunk.start + 8 + chunk.length;
        const std::uint32_t crc = checksum(bytes, chunk);
        if (bigEndian(bytes, at) == crc) continue;
        for (int i = 0; i < 4; ++i) copy[at + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        changed = true;
    }
    if (!changed) return std::nullopt;
    return copy;
}

void readAndCheck(std::span<const std::uint8_t> bytes)
{
    const std::unique_ptr<std::FILE, FileCloser> file(
        fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), "rb"));
    check(file != nullptr, "fmemopen opens the bytes");
    std::fseek(file.get(), static_cast<long>(pngSignatureSize), SEEK_SET);
    const Result<PictureParameters> read = readPngParameters(file.get());
    const long stoppedAt = std::ftell(file.get());

    // Where the image data starts, and the text of our first chunk before it.
    const std::string keyword = std::string(pngParametersKeyword) + '\0';
    std::optional<std::size_t> imageData;
    std::optional<std::string> ours;
    for (const Chunk& chunk : chunksOf(bytes)) {
        if (chunk.type == "IDAT") {
            imageData = chunk.start;
            break;
        }
        if (!chunk.complete || ours || chunk.type != "tEXt" || chunk.length < keyword.size()) continue;
        const auto* text = reinterpret_cast<const char*>(bytes.data() + chunk.start + 8);
        if (std::memcmp(text, keyword.data(), keyword.size()) == 0)
            ours = std::string(text + keyword.size(), chunk.length - keyword.size());
    }
    if (imageData) check(stoppedAt <= static_cast<long>(*imageData + 8), "nothing after the image data's start is read");

    if (!read) {
        check(read.code() == ErrorCode::invalid && !read.message().empty(), "a refusal is invalid and says why");
        return;
    }
    check(ours.has_value(), "parameters come from a text chunk of ours");
    const Result<PictureParameters> parsed = parseParameterText(*ours);
    check(parsed.ok() && *parsed == *read, "the parameters are those of the first chunk of ours");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    if (!isPngSignature(bytes)) return 0;
    readAndCheck(bytes);
    if (const auto copy = mended(bytes)) readAndCheck(*copy);
    return 0;
}
