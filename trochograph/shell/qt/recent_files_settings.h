// The list of recent parameter files in the program's settings file, as the list of names
// "recent/files". Reading and writing never hold the window up for long: the file and its
// lock must be plain files or missing (settings_file.h), and the lock is waited for a
// moment at most. Whatever goes wrong comes back as one line, and the file is left as it was.
#pragma once

#include <filesystem>

#include "common/result.h"
#include "files/film_formats.h"
#include "shell/recent_files.h"

namespace trochograph {

class RecentFilesSettings {
public:
    // The user's settings file: ~/.config/trochograph/trochograph.conf, the folder following
    // XDG_CONFIG_HOME when it is set.
    RecentFilesSettings();
    explicit RecentFilesSettings(std::filesystem::path file) : file_(std::move(file)) {}

    Result<RecentFiles> read() const;
    Result<void> write(const RecentFiles& recent) const;

    // Save Animation's last choice, as "film/seconds", "film/fps" and "film/side"; values
    // missing or out of range read as the defaults.
    Result<FilmOptions> readFilmChoice() const;
    Result<void> writeFilmChoice(const FilmOptions& choice) const;

private:
    Result<void> readable() const;
    Result<void> writable() const;

    std::filesystem::path file_;
};

}  // namespace trochograph
