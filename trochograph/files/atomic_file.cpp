#include "files/atomic_file.h"

#include <cerrno>
#include <unistd.h>

namespace trochograph {

namespace {

// errno after a failed call, or a general I/O error when the call left it unset.
int lastError() { return errno != 0 ? errno : EIO; }

}  // namespace

AtomicFileSink::~AtomicFileSink() { discard(); }

void AtomicFileSink::fail(Failure step, int error)
{
    if (failure_ != Failure::none) return;
    failure_ = step;
    error_ = error;
}

bool AtomicFileSink::open(const std::filesystem::path& target)
{
    discard();
    failure_ = Failure::none;
    error_ = 0;
    const int fd = temp_.create(target);
    if (fd < 0) {
        fail(Failure::create, temp_.error());
        return false;
    }
    errno = 0;
    file_ = ::fdopen(fd, "wb");
    if (file_) return true;
    fail(Failure::create, lastError());
    ::close(fd);
    discard();
    return false;
}

bool AtomicFileSink::write(std::span<const std::uint8_t> bytes)
{
    if (!file_ || failure_ != Failure::none) return false;
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        fail(Failure::write, lastError());
    return failure_ == Failure::none;
}

bool AtomicFileSink::commit()
{
    if (!file_) return false;
    errno = 0;
    if (std::fflush(file_) != 0 || std::ferror(file_)) fail(Failure::write, lastError());
    // fclose can report the first failure of a delayed write, so its result counts too.
    errno = 0;
    if (std::fclose(file_) != 0) fail(Failure::write, lastError());
    file_ = nullptr;
    if (failure_ == Failure::none && !temp_.replaceTarget()) fail(Failure::replace, temp_.error());
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
