// The temporary file under every save: a new file beside the one it will replace, so that
// a rename puts it in place at once, registered for removal should SIGINT or SIGTERM end
// the program (see interrupt_cleanup.h) for as long as it exists under its temporary name.
//
// Existing targets: a symbolic link is written through, so the file it finally points to is
// replaced and the link stays; the new file gets the replaced file's permission bits. A new
// file gets the permissions the umask gives. A directory is refused.
#pragma once

#include <filesystem>

namespace trochograph {

class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    // Removes the file unless replaceTarget() succeeded.
    ~TemporaryFile() { discard(); }

    // Creates the file beside the file `target` finally names and returns a descriptor open
    // for writing, which the caller closes; -1 when it can't be created (missing directory,
    // no permission, a name too long...), with the reason in error(). A file made earlier
    // is discarded first.
    int create(const std::filesystem::path& target);

    // Renames the file over the target. False when that failed, with the reason in error();
    // the file then stays until discard().
    bool replaceTarget();

    // Removes the file, if any, without touching the target.
    void discard();

    // The file while it exists under its temporary name; empty otherwise.
    const std::filesystem::path& path() const { return path_; }
    // The errno of the last failure, 0 when none.
    int error() const { return error_; }

private:
    std::filesystem::path target_;  // links followed
    std::filesystem::path path_;
    int slot_ = -1;  // in the table of interrupt_cleanup.h
    int error_ = 0;
};

}  // namespace trochograph
