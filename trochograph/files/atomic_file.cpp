#include "files/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

#include "files/save_target.h"

namespace trochograph {

namespace {

// The line for a write that failed with errno, or with a general I/O error when the call
// left errno unset.
Error writeFailed()
{
    return {ErrorCode::writeFailed, "can't write the file: " + std::generic_category().message(errno != 0 ? errno : EIO)};
}

}  // namespace

AtomicFileSink::~AtomicFileSink() { discard(); }

void AtomicFileSink::fail(Failure step, Error error)
{
    if (failure_ != Failure::none) return;
    failure_ = step;
    error_ = std::move(error);
}

bool AtomicFileSink::open(const std::filesystem::path& target)
{
    discard();
    failure_ = Failure::none;
    const Result<int> fd = temp_.create(target);
    if (!fd) {
        fail(Failure::create, fd.error());
        return false;
    }
    // The stream has a descriptor of its own to close; the temporary file keeps the first
    // for putting the file in place.
    errno = 0;
    const int own = ::fcntl(*fd, F_DUPFD_CLOEXEC, 0);
    file_ = own >= 0 ? ::fdopen(own, "wb") : nullptr;
    if (file_) return true;
    fail(Failure::create, cannotCreate(errno != 0 ? errno : EIO));
    if (own >= 0) ::close(own);
    discard();
    return false;
}

bool AtomicFileSink::write(std::span<const std::uint8_t> bytes)
{
    if (!file_ || failure_ != Failure::none) return false;
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        fail(Failure::write, writeFailed());
    return failure_ == Failure::none;
}

bool AtomicFileSink::commit()
{
    if (!file_) return false;
    errno = 0;
    if (std::fflush(file_) != 0 || std::ferror(file_)) fail(Failure::write, writeFailed());
    // fclose can report the first failure of a delayed write, so its result counts too.
    errno = 0;
    if (std::fclose(file_) != 0) fail(Failure::write, writeFailed());
    file_ = nullptr;
    if (failure_ == Failure::none)
        if (Result<void> replaced = temp_.replaceTarget(); !replaced) fail(Failure::replace, replaced.error());
    if (failure_ != Failure::none) {
        discard();
        return false;
    }
    return true;
}

void AtomicFileSink::discard()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    temp_.discard();
}

}  // namespace trochograph
