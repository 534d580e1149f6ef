#include "files/temporary_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <optional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "files/interrupt_cleanup.h"

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
std::filesystem::path temporaryName()
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string name = ".trochograph-";
    std::uint64_t bits = randomBits();
    for (int i = 0; i < 16; ++i, bits >>= 4) name += hex[bits & 0xF];
    return name + ".tmp";
}

struct Target {
    std::filesystem::path path;    // links followed
    std::optional<mode_t> mode;    // the permission bits of an existing file
    int error = 0;                 // why there can be no file at `path`
};

// The file that writing to `target` would change: symbolic links are followed to the end of
// their chain, as opening the name for writing would. The name is looked up now, so that a
// name too long or a path through a plain file is refused before anything is written.
Target resolve(const std::filesystem::path& target)
{
    constexpr int maxLinks = 40;  // the kernel's own limit on a chain of links
    if (target.empty()) return {target, std::nullopt, ENOENT};
    std::filesystem::path p = target;
    for (int link = 0; link <= maxLinks; ++link) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            // No file yet (or a dangling link's target): a new file is made there.
            if (errno == ENOENT) return {p, std::nullopt, 0};
            return {p, std::nullopt, errno};
        }
        if (S_ISDIR(st.st_mode)) return {p, std::nullopt, EISDIR};
        if (!S_ISLNK(st.st_mode)) return {p, st.st_mode & 07777, 0};
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) return {p, std::nullopt, ec.value()};
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return {p, std::nullopt, ELOOP};
}

// errno after a failed call, or a general I/O error when the call left it unset.
int lastError() { return errno != 0 ? errno : EIO; }

}  // namespace

int TemporaryFile::create(const std::filesystem::path& target)
{
    discard();
    error_ = 0;
    const Target resolved = resolve(target);
    if (resolved.error != 0) {
        error_ = resolved.error;
        return -1;
    }
    target_ = resolved.path;
    const std::filesystem::path dir = target_.parent_path();
    // Exclusive creation never opens an existing file; on a clash try another name. The
    // name is registered before the file exists, so that no moment leaves it unregistered.
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::filesystem::path candidate = dir / temporaryName();
        slot_ = registerTemporaryFile(candidate);
        errno = 0;
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const int openError = lastError();
        if (fd >= 0) {
            // A failure here keeps the umask's mode, which is no reason to refuse the save.
            if (resolved.mode) (void)::fchmod(fd, *resolved.mode);
            path_ = std::move(candidate);
            return fd;
        }
        unregisterTemporaryFile(slot_);
        slot_ = -1;
        if (openError != EEXIST) {
            error_ = openError;
            return -1;
        }
    }
    error_ = EEXIST;
    return -1;
}

bool TemporaryFile::replaceTarget()
{
    if (path_.empty()) return false;
    errno = 0;
    if (::rename(path_.c_str(), target_.c_str()) != 0) {
        error_ = lastError();
        return false;
    }
    // Renamed: the temporary name is the target's now and must not be removed.
    unregisterTemporaryFile(slot_);
    slot_ = -1;
    path_.clear();
    return true;
}

void TemporaryFile::discard()
{
    if (!path_.empty()) {
        ::unlink(path_.c_str());
        path_.clear();
    }
    unregisterTemporaryFile(slot_);
    slot_ = -1;
}

}  // namespace trochograph
