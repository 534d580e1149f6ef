// A file sink that replaces its target only once everything has been written: the bytes go
// to a new temporary file in the target's directory, which commit() renames over the
// target. Until then an existing file of that name is untouched, and a failed or abandoned
// write removes the temporary file, so no partial file is ever left behind. While open, the
// temporary file is registered for removal should SIGINT or SIGTERM end the program (see
// interrupt_cleanup.h).
//
// Existing targets: a symbolic link is written through, so the file it finally points to is
// replaced and the link stays; the new file keeps the replaced file's permission bits. A new
// file gets the permissions the umask gives. A directory is refused at open.
//
// The data is not forced to the disk before the rename; the target is replaced by a
// complete file or not at all as far as this process can tell.
#pragma once

#include <cstdio>
#include <filesystem>

#include "files/byte_sink.h"

namespace trochograph {

class AtomicFileSink final : public ByteSink {
public:
    // The step that failed first.
    enum class Failure { none, create, write, replace };

    AtomicFileSink() = default;
    AtomicFileSink(const AtomicFileSink&) = delete;
    AtomicFileSink& operator=(const AtomicFileSink&) = delete;
    // Discards the temporary file unless commit() succeeded.
    ~AtomicFileSink() override;

    // Creates the temporary file beside the file `target` finally names; false when it
    // can't be created (missing directory, no permission, a name too long...).
    bool open(const std::filesystem::path& target);

    // False once any write has failed, or when the sink is not open.
    bool write(std::span<const std::uint8_t> bytes) override;

    // Flushes and closes the temporary file and renames it over the target. False when any
    // of that, or an earlier write, failed; the temporary file is then removed and the
    // target left as it was. The sink is closed either way.
    bool commit();

    // Removes the temporary file without touching the target.
    void discard();

    // What failed first since open(), and the errno it failed with (0 when none).
    Failure failure() const { return failure_; }
    int error() const { return error_; }

    // The temporary file while open, for tests; empty otherwise.
    const std::filesystem::path& temporaryPath() const { return temp_; }

private:
    void fail(Failure step, int error);

    std::FILE* file_ = nullptr;
    std::filesystem::path target_;  // the file finally replaced, links followed
    std::filesystem::path temp_;
    int slot_ = -1;  // in the table of interrupt_cleanup.h
    Failure failure_ = Failure::none;
    int error_ = 0;
};

}  // namespace trochograph
