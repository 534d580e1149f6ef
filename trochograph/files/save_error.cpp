#include "files/save_error.h"

namespace trochograph {

const std::array<const char*, 3> saveerror = {
    "Error opening file.",
    "Not enough memory to buffer image lines.",
    "Error writing to file.",
};

std::string saveErrorText(const std::string& fileName, const Error& error)
{
    const auto index = static_cast<std::size_t>(error.code) - 1;
    std::string text = index < saveerror.size() ? saveerror[index] : "The file was not saved.";
    if (!error.message.empty()) text += "\n\n" + fileName + ": " + error.message;
    return text;
}

}  // namespace trochograph
