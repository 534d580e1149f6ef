#include "files/output_rules.h"

namespace trochograph {

Result<OutputChoice> outputChoiceOf(const std::filesystem::path& output, bool drawings)
{
    OutputChoice choice{pictureFormatOf(output, drawings), videoKindOf(output)};
    if (choice.picture || choice.film) return choice;
    // To the file system ".gif" is a hidden file without an extension; it is plainly meant
    // as a film without a name.
    const std::string name = output.filename().string();
    const std::filesystem::path named = "x" + name;
    const bool extensionAlone = name.size() > 1 && name.find('.', 1) == std::string::npos;
    if (extensionAlone && (pictureFormatOf(named, drawings) || videoKindOf(named)))
        return Error{ErrorCode::badValue,
                     output.string() + ": the output needs a name before " + lowerExtension(named)};
    return Error{ErrorCode::badValue,
                 output.string() + ": " + pictureNameRule(output, drawings) + ", or .mp4, .webm or .gif for a film"};
}

std::optional<std::string> filmSideProblem(VideoKind kind, int side)
{
    if (side > maxFilmSide) return "a film is at most " + std::to_string(maxFilmSide) + " pixels a side";
    if (side < minFilmSide) return "a film is at least " + std::to_string(minFilmSide) + " pixels a side";
    // 4:2:0 colour covers the picture in blocks of 2 x 2 pixels.
    if (needsEvenSide(kind) && side % 2 != 0) return std::string("MP4 and WebM need an even side");
    return std::nullopt;
}

}  // namespace trochograph
