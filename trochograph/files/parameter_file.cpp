#include "files/parameter_file.h"

#include <array>
#include <cstdio>
#include <memory>
#include <span>

#include "files/parameter_text.h"
#include "files/picture_formats.h"
#include "files/png_parameters.h"
#include "files/rlt_file.h"

namespace trochograph {

namespace {

Error cannotOpen(bool picture)
{
    return {ErrorCode::cannotOpen, picture ? "Error opening PNG file" : "Error opening RLT file"};
}

}  // namespace

Result<void> loadParameterFile(const std::filesystem::path& path, CurveParameters& parameters,
                               ParameterOrigin& origin)
{
    // What a file that can't be read is taken for: its name is all there is to go by.
    origin.picture = lowerExtension(path) == ".png";
    // Opened once and read from the start, so that a pipe or a FIFO works as a file does.
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return cannotOpen(origin.picture);
    std::array<std::uint8_t, pngSignatureSize> start{};
    const std::size_t got = std::fread(start.data(), 1, start.size(), file.get());
    if (std::ferror(file.get())) return cannotOpen(origin.picture);

    const std::span<const std::uint8_t> read(start.data(), got);
    if (isPngSignature(read)) {
        origin.picture = true;
        const Result<PictureParameters> carried = readPngParameters(file.get());
        if (!carried) return carried.error();
        return applyPictureParameters(*carried, parameters);
    }
    const Result<void> record = readRlt(file.get(), read, parameters);
    if (record) {
        origin.picture = false;
        return record;
    }
    // A .png file that is neither a picture nor a parameter file is a damaged picture, not
    // a parameter file it never was.
    if (origin.picture && record.code() == ErrorCode::invalid) return Error{ErrorCode::invalid, notAPngPicture};
    return origin.picture ? cannotOpen(true) : record;
}

}  // namespace trochograph
