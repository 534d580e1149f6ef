// The list of recent parameter files in the program's settings file, as the list of names
// "recent/files". Reading and writing never hold the window up for long: the file and its
// lock must be plain files or missing (settings_file.h), and the lock is waited for a
// moment at most. Whatever goes wrong comes back as one line, and the file is left as it was.
#pragma once

#include <filesystem>
#include <functional>

#include "common/result.h"
#include "files/plot_settings.h"
#include "shell/recent_files.h"

class QSettings;

namespace trochograph {

class RecentFilesSettings {
public:
    // The user's settings file: ~/.config/trochograph/trochograph.conf, the folder following
    // XDG_CONFIG_HOME when it is set.
    RecentFilesSettings();
    explicit RecentFilesSettings(std::filesystem::path file) : file_(std::move(file)) {}

    Result<RecentFiles> read() const;
    Result<void> write(const RecentFiles& recent) const;
    // The keys and values of one group of the same file ("plot": the machine settings),
    // with the same care.
    Result<SettingsEntries> readGroup(const std::string& group) const;
    Result<void> writeGroup(const std::string& group, const SettingsEntries& entries) const;

private:
    // Sets values in the file, once it and its lock are safe to use.
    Result<void> writeValues(const std::function<void(QSettings&)>& set) const;

    std::filesystem::path file_;
};

}  // namespace trochograph
