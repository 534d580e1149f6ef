// A fresh directory per test, removed afterwards, for the tests that touch the disk.
#pragma once

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace trochograph::test {

class ScratchDir {
public:
    ScratchDir()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("trochograph-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

    // Names of everything in the directory.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file's bytes as text.
inline std::string readText(const std::filesystem::path& p)
{
    const std::vector<std::uint8_t> bytes = readBytes(p);
    return {bytes.begin(), bytes.end()};
}

inline void writeBytes(const std::filesystem::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

// Whether `folder`'s file system makes unnamed files (O_TMPFILE), which the programs save
// through where it can: then a file being written shows no name in its folder.
inline bool unnamedFilesWork(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// A character device for links in tests to lead to: a node of its own with the null
// device's numbers where the user may make one (root), so that a save that wrongly replaced
// it would harm nothing; else /dev/null, which such a user can't replace.
class ScratchDevice {
public:
    ScratchDevice()
    {
        const std::filesystem::path node = dir_ / "null";
        if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) path_ = node;
    }
    const std::filesystem::path& path() const { return path_; }

private:
    ScratchDir dir_;
    std::filesystem::path path_ = "/dev/null";
};

}  // namespace trochograph::test
