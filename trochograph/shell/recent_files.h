// The parameter files a user loaded or saved last, most recent first, for the File menu's
// list of recent files. Each file is kept once, under its absolute path with "." and ".."
// taken out, so that the same file reached two ways is one entry.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace trochograph {

class RecentFiles {
public:
    static constexpr std::size_t capacity = 8;

    // A list as it was kept: most recent first; empty names, repeats and what lies beyond
    // the capacity are left out.
    explicit RecentFiles(const std::vector<std::filesystem::path>& files = {});

    // `file` goes to the front, leaving its older place; the oldest falls off a full list.
    void add(const std::filesystem::path& file);
    // False when `file` wasn't listed.
    bool remove(const std::filesystem::path& file);
    // Takes off the files that no longer exist; false when all of them still do.
    bool dropMissing();

    const std::vector<std::filesystem::path>& files() const { return files_; }

private:
    std::vector<std::filesystem::path> files_;
};

// The path a file is listed under: absolute, against the current folder, and lexically
// normal.
std::filesystem::path listedPath(const std::filesystem::path& file);

// Whether anything, file or folder, is at `file` now.
bool fileIsThere(const std::filesystem::path& file);

// The text of the list's entry `index` (0 for the most recent): its number from 1, then the
// file's name and, in parentheses, its folder: "1  rose.rlt  (/home/ana/curves)", with
// control characters and tabs written as escapes ("\t").
std::string recentEntryText(std::size_t index, const std::filesystem::path& file);

}  // namespace trochograph
