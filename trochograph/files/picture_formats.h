// The picture files the programs write, one row a format: what the name ends in, how the
// file starts, whether it carries the curve's parameters, and the writer. The window's Save
// Image, the headless renderer and the show's preview all choose from this table.
#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "common/progress.h"
#include "common/result.h"
#include "files/byte_sink.h"

namespace trochograph {

class Surface;

// G-code and theta-rho tracks are no pictures, but the curves as machines draw them; they
// are written from the record as the SVG drawing is.
enum class PictureKind { targa, png, svg, gcode, thetaRho };

// What a picture is written from.
struct PictureSource {
    const Surface& raster;
    std::string_view parameters = {};  // for the formats that carry them
    // Encodes the recorded curves as a drawing; empty where no record is kept.
    std::function<Result<void>(ByteSink&)> drawing = {};
    // Hears how far the writing has come, where the format can tell.
    ProgressReport progress = {};
};

struct PictureFormat {
    PictureKind kind;
    std::string_view extension;  // with its dot, in lower case
    std::string_view signature;  // the bytes every such file starts with; empty when none
    bool carriesParameters;
    bool drawing;  // written from the recorded curves rather than from the raster
    Result<void> (*write)(const PictureSource& source, const std::filesystem::path& path);
};

std::span<const PictureFormat> pictureFormats();
// The first row of the kind: G-code's is ".gcode", before ".nc".
const PictureFormat& pictureFormat(PictureKind kind);

// The row of a name's extension, in any case; null for another extension. Without
// `drawings`, formats that need the recorded curves are not looked at.
const PictureFormat* pictureFormatOf(const std::filesystem::path& path, bool drawings = true);

// The name's extension with its dot, in lower case: ".tga" for "Rose.TGA".
std::string lowerExtension(const std::filesystem::path& path);

// The message for a name pictureFormatOf refuses: "the output must end in .tga or .png",
// or for ".png" alone "the output needs a name before .png".
std::string pictureNameRule(const std::filesystem::path& path, bool drawings = true);

}  // namespace trochograph
