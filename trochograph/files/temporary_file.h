// The temporary file under every save: a new file in the folder of the file it will replace,
// written through the one descriptor made here and never opened again by name, then put in
// place at once by a rename.
//
// Where the file system allows, the file has no name until replaceTarget() (O_TMPFILE), so
// a program that dies however it dies, SIGKILL included, leaves nothing behind; there it is
// linked under a fresh name and renamed over the target. Elsewhere it is made under a
// hidden name of its own, registered for removal should SIGINT or SIGTERM end the program
// (interrupt_cleanup.h).
//
// What may be replaced, and how links are followed, is save_target.h's. The file has its
// final permission bits before a byte is written: a replaced file's, less setuid and setgid;
// what the umask gives a new file otherwise.
#pragma once

#include <filesystem>
#include <string>

#include "common/result.h"

namespace trochograph {

class TemporaryFile {
public:
    // Named files are the fallback where unnamed ones can't be made; `named` makes them
    // everywhere, for the tests of that way and of its clean-up on signals.
    enum class Naming { unnamedWherePossible, named };

    explicit TemporaryFile(Naming naming = Naming::unnamedWherePossible) : naming_(naming) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    // Removes the file unless replaceTarget() succeeded.
    ~TemporaryFile() { discard(); }

    // Creates the file beside the file `target` finally names and returns a descriptor open
    // for reading and writing, which stays this object's: callers write through it (or a
    // duplicate) and never close it. Refused in one line: a target save_target.h refuses, a
    // missing folder, no permission, a name too long... A file made earlier is discarded
    // first.
    Result<int> create(const std::filesystem::path& target);

    // Puts the file in the target's place and closes it. When that fails (or the target has
    // meanwhile become a FIFO or a device) the file stays until discard().
    Result<void> replaceTarget();

    // Closes and removes the file, if any, without touching the target.
    void discard();

    // The descriptor create() returned while the file is open; -1 otherwise.
    int descriptor() const { return fd_; }
    // The file's path while it has a temporary name; empty when it has none (unnamed, or
    // not made).
    std::filesystem::path path() const;

private:
    Result<int> createNamed();
    Result<void> linkFreshName(std::string& name);

    Naming naming_;
    int folder_ = -1;  // held open: every later step works on this folder, whatever its path
    int fd_ = -1;
    std::filesystem::path folderPath_;
    std::string targetName_;  // in folder_
    std::string name_;        // the temporary name in folder_, empty while unnamed
    int slot_ = -1;           // in the table of interrupt_cleanup.h
};

}  // namespace trochograph
