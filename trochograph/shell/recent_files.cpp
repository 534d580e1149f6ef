#include "shell/recent_files.h"

#include <algorithm>
#include <system_error>

#include "common/error_line.h"

namespace trochograph {

std::filesystem::path listedPath(const std::filesystem::path& file)
{
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    // Without a current folder a relative name stays as it is.
    if (ec) absolute = file;
    return absolute.lexically_normal();
}

bool fileIsThere(const std::filesystem::path& file)
{
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

RecentFiles::RecentFiles(const std::vector<std::filesystem::path>& files)
{
    // Added oldest first, so that the first stays in front and a repeat keeps the newer place.
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        if (!it->empty()) add(*it);
}

void RecentFiles::add(const std::filesystem::path& file)
{
    const std::filesystem::path listed = listedPath(file);
    remove(listed);
    files_.insert(files_.begin(), listed);
    if (files_.size() > capacity) files_.resize(capacity);
}

bool RecentFiles::remove(const std::filesystem::path& file)
{
    const std::filesystem::path listed = listedPath(file);
    return std::erase(files_, listed) > 0;
}

bool RecentFiles::dropMissing()
{
    return std::erase_if(files_, [](const std::filesystem::path& file) { return !fileIsThere(file); }) > 0;
}

std::string recentEntryText(std::size_t index, const std::filesystem::path& file)
{
    // A menu takes a tab for the start of a shortcut, and the list may come from a settings
    // file anyone could have written.
    const auto shown = [](const std::filesystem::path& part) { return escapedControls(part.string(), Tabs::escaped); };
    return std::to_string(index + 1) + "  " + shown(file.filename()) + "  (" + shown(file.parent_path()) + ")";
}

}  // namespace trochograph
