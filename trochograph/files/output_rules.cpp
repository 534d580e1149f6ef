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
                 output.string() + ": " + pictureNameRule(output, drawings) + ", or " + filmExtensionList() +
                     " for a film"};
}

}  // namespace trochograph
