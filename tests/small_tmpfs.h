// A small tmpfs mounted on a directory for the duration of a test, to make a disk that is
// really full or really read-only. Mounting needs root (or CAP_SYS_ADMIN); where it is not
// allowed, available() is false and the test skips with why().
#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <vector>

#include "scratch_dir.h"

namespace trochograph::test {

class SmallTmpfs {
public:
    // `options` as for mount -o, such as "size=64k" or "size=64k,ro".
    explicit SmallTmpfs(const std::string& options)
    {
        if (::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, options.c_str()) == 0) {
            mounted_ = true;
        } else {
            why_ = std::string("can't mount a tmpfs to test on (") + std::strerror(errno) +
                   "); it needs root, as in CI";
        }
    }
    ~SmallTmpfs()
    {
        if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool available() const { return mounted_; }
    const std::string& why() const { return why_; }
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }
    const std::filesystem::path& path() const { return dir_.path(); }
    std::vector<std::string> entries() const { return dir_.entries(); }

    // Fills the file system with `name` until no byte more fits.
    void fill(const std::string& name) const
    {
        std::FILE* f = std::fopen((dir_ / name).c_str(), "wb");
        if (!f) return;
        std::setvbuf(f, nullptr, _IONBF, 0);
        const std::vector<char> block(4096, 'f');
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size()) {
        }
        while (std::fwrite(block.data(), 1, 1, f) == 1) {
        }
        std::fclose(f);
    }

private:
    ScratchDir dir_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace trochograph::test
