// A file sink that replaces its target only once everything has been written: the bytes go
// to a new temporary file in the target's directory, which commit() renames over the
// target. Until then an existing file of that name is untouched, and a failed or abandoned
// write removes the temporary file, so no partial file is ever left behind.
//
// The data is not forced to the disk before the rename; the target is replaced by a
// complete file or not at all as far as this process can tell.
#pragma once

#include <cstdio>
#include <filesystem>

#include "byte_sink.h"

namespace trochograph {

class AtomicFileSink final : public ByteSink {
public:
    AtomicFileSink() = default;
    AtomicFileSink(const AtomicFileSink&) = delete;
    AtomicFileSink& operator=(const AtomicFileSink&) = delete;
    // Discards the temporary file unless commit() succeeded.
    ~AtomicFileSink() override;

    // Creates the temporary file next to `target` with the permissions a new file would get;
    // false when it can't be created (missing directory, no permission...).
    bool open(const std::filesystem::path& target);

    // False once any write has failed, or when the sink is not open.
    bool write(std::span<const std::uint8_t> bytes) override;

    // Flushes and closes the temporary file and renames it over the target. False when any
    // of that, or an earlier write, failed; the temporary file is then removed and the
    // target left as it was. The sink is closed either way.
    bool commit();

    // Removes the temporary file without touching the target.
    void discard();

    // The temporary file while open, for tests; empty otherwise.
    const std::filesystem::path& temporaryPath() const { return temp_; }

private:
    std::FILE* file_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path temp_;
    bool failed_ = false;
};

}  // namespace trochograph
