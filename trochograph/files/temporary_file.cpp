#include "files/temporary_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "files/interrupt_cleanup.h"
#include "files/save_target.h"

namespace trochograph {

namespace {

std::uint64_t randomBits()
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t bits = ++counter * 0x9E3779B97F4A7C15ull ^
                         static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        bits ^= static_cast<std::uint64_t>(device()) << 32 | device();
    } catch (...) {
        // No entropy source: the counter and the clock still make clashes unlikely, and
        // exclusive creation makes them harmless.
    }
    return bits;
}

// A short name of its own, so that a target name near the length limit still gets one.
std::string temporaryName()
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string name = ".trochograph-";
    std::uint64_t bits = randomBits();
    for (int i = 0; i < 16; ++i, bits >>= 4) name += hex[bits & 0xF];
    return name + ".tmp";
}

// How many fresh names are tried when each is already taken.
constexpr int nameAttempts = 16;

// errno after a failed call, or a general I/O error when the call left it unset.
int lastError() { return errno != 0 ? errno : EIO; }

// What open says when the file system or the kernel makes no unnamed files.
bool noUnnamedFiles(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

Error cannotReplace(int error)
{
    return {ErrorCode::writeFailed, "can't replace the file: " + std::generic_category().message(error)};
}

}  // namespace

Result<int> TemporaryFile::create(const std::filesystem::path& target)
{
    discard();
    const Result<SaveTarget> resolved = resolveSaveTarget(target);
    if (!resolved) return resolved.error();
    folderPath_ = resolved->path.has_parent_path() ? resolved->path.parent_path() : std::filesystem::path(".");
    targetName_ = resolved->path.filename().string();
    errno = 0;
    folder_ = ::open(folderPath_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0) return cannotCreate(lastError());
    // An unnamed file is linked through /proc in the end; without it (a bare chroot) the
    // save would fail only once everything was written.
    if (naming_ == Naming::unnamedWherePossible && ::access("/proc/self/fd", F_OK) == 0) {
        errno = 0;
        fd_ = ::openat(folder_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (fd_ < 0 && !noUnnamedFiles(lastError())) {
            const int error = lastError();
            discard();
            return cannotCreate(error);
        }
    }
    if (fd_ < 0) {
        if (Result<int> named = createNamed(); !named) {
            discard();
            return named.error();
        }
    }
    // A failure here keeps the umask's mode, which is no reason to refuse the save.
    if (resolved->mode) (void)::fchmod(fd_, *resolved->mode);
    return fd_;
}

Result<int> TemporaryFile::createNamed()
{
    // Exclusive creation never opens an existing file, nor follows a link; on a clash try
    // another name. The name is registered before the file exists, so that no moment
    // leaves it unregistered.
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        std::string name = temporaryName();
        slot_ = registerTemporaryFile(folder_, name);
        errno = 0;
        fd_ = ::openat(folder_, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const int error = lastError();
        if (fd_ >= 0) {
            name_ = std::move(name);
            return fd_;
        }
        unregisterTemporaryFile(slot_);
        slot_ = -1;
        if (error != EEXIST) return cannotCreate(error);
    }
    return cannotCreate(EEXIST);
}

Result<void> TemporaryFile::linkFreshName(std::string& linked)
{
    // Linking can't replace a file, so the file gets a fresh name that the rename then puts
    // in the target's place at once. That name is registered like a named file's.
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        std::string name = temporaryName();
        slot_ = registerTemporaryFile(folder_, name);
        errno = 0;
        int done = ::linkat(AT_FDCWD, self.c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW);
        // Without /proc, the descriptor itself, where the process may link one.
        if (done != 0 && errno == ENOENT) done = ::linkat(fd_, "", folder_, name.c_str(), AT_EMPTY_PATH);
        const int error = lastError();
        if (done == 0) {
            linked = std::move(name);
            return {};
        }
        unregisterTemporaryFile(slot_);
        slot_ = -1;
        if (error != EEXIST) return cannotReplace(error);
    }
    return cannotReplace(EEXIST);
}

Result<void> TemporaryFile::replaceTarget()
{
    if (fd_ < 0) return cannotReplace(EBADF);
    if (Result<void> replaceable = stillReplaceable(folder_, targetName_); !replaceable) return replaceable;
    if (name_.empty())
        if (Result<void> linked = linkFreshName(name_); !linked) return linked;
    errno = 0;
    if (::renameat(folder_, name_.c_str(), folder_, targetName_.c_str()) != 0) return cannotReplace(lastError());
    // Renamed: the temporary name is the target's now and must not be removed.
    name_.clear();
    discard();
    return {};
}

void TemporaryFile::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!name_.empty()) {
        ::unlinkat(folder_, name_.c_str(), 0);
        name_.clear();
    }
    // Freed before the folder closes, so the signal handler never uses a closed descriptor.
    unregisterTemporaryFile(slot_);
    slot_ = -1;
    if (folder_ >= 0) {
        ::close(folder_);
        folder_ = -1;
    }
}

std::filesystem::path TemporaryFile::path() const
{
    return name_.empty() ? std::filesystem::path() : folderPath_ / name_;
}

}  // namespace trochograph
