// A file sink that replaces its target only once everything has been written: the bytes go
// to a new temporary file in the target's directory, which commit() renames over the
// target. Until then an existing file of that name is untouched, and a failed or abandoned
// write removes the temporary file, so no partial file is ever left behind. The temporary
// file, its removal when the program ends early, which targets are refused, and what
// becomes of links and permissions are those of temporary_file.h.
//
// The data is not forced to the disk before the rename; the target is replaced by a
// complete file or not at all as far as this process can tell.
#pragma once

#include <cstdio>
#include <filesystem>

#include "files/byte_sink.h"
#include "files/temporary_file.h"

namespace trochograph {

class AtomicFileSink final : public ByteSink {
public:
    // The step that failed first.
    enum class Failure { none, create, write, replace };

    explicit AtomicFileSink(TemporaryFile::Naming naming = TemporaryFile::Naming::unnamedWherePossible)
        : temp_(naming)
    {
    }
    AtomicFileSink(const AtomicFileSink&) = delete;
    AtomicFileSink& operator=(const AtomicFileSink&) = delete;
    // Discards the temporary file unless commit() succeeded.
    ~AtomicFileSink() override;

    // Creates the temporary file beside the file `target` finally names; false when it
    // can't be created (missing directory, no permission, a name too long, a FIFO...).
    bool open(const std::filesystem::path& target);

    // False once any write has failed, or when the sink is not open.
    bool write(std::span<const std::uint8_t> bytes) override;

    // Flushes and closes the temporary file and renames it over the target. False when any
    // of that, or an earlier write, failed; the temporary file is then removed and the
    // target left as it was. The sink is closed either way.
    bool commit();

    // Removes the temporary file without touching the target.
    void discard();

    // What failed first since open(), and its one line ("can't write the file: No space
    // left on device"); the line is meaningful only after a failure.
    Failure failure() const { return failure_; }
    const Error& error() const { return error_; }

    // The temporary file while open under a name, for tests; empty otherwise.
    std::filesystem::path temporaryPath() const { return temp_.path(); }

private:
    void fail(Failure step, Error error);

    std::FILE* file_ = nullptr;
    TemporaryFile temp_;
    Failure failure_ = Failure::none;
    Error error_{ErrorCode::writeFailed, {}};
};

}  // namespace trochograph
