#include "shell/settings_file.h"

#include <cerrno>
#include <sys/stat.h>
#include <system_error>

#include "common/file_kind.h"

namespace trochograph {

namespace {

// `statPath` is stat or lstat.
Result<void> checkPlainOrMissing(const std::filesystem::path& path, int (*statPath)(const char*, struct stat*))
{
    struct stat st {};
    if (statPath(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return {};
        return Error{ErrorCode::cannotOpen, path.string() + ": " + std::generic_category().message(errno)};
    }
    if (!S_ISREG(st.st_mode))
        return Error{ErrorCode::invalid, path.string() + " is " + fileKindName(st.st_mode) + ", not a file"};
    if (static_cast<std::uintmax_t>(st.st_size) > largestSettingsFile)
        return Error{ErrorCode::invalid, path.string() + " is too large for a settings file"};
    return {};
}

}  // namespace

std::filesystem::path settingsLockFile(const std::filesystem::path& file) { return file.string() + ".lock"; }

Result<void> checkSettingsFile(const std::filesystem::path& file)
{
    if (Result<void> checked = checkPlainOrMissing(file, ::stat); !checked) return checked;
    // The lock is made afresh each time and never through a link.
    return checkPlainOrMissing(settingsLockFile(file), ::lstat);
}

Message settingsNotKept(const std::string& reason)
{
    return {"The settings file can't be used: " + reason +
                ".\n\nThe program goes on, and forgets the list of recent parameter files and the last "
                "choices of Save Animation and the plot settings when it ends.",
            "Vell Varezuro", MessageIcon::warning};
}

}  // namespace trochograph
