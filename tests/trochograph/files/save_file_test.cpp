// Saving through the replace-on-commit sink: on a disk that is really full every writer
// fails, keeps the old file and leaves no temporary file, whether the failure comes in the
// middle or only when the last block is flushed at close; each failure says why.
#include "files/save_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "files/png_export.h"
#include "files/rlt_file.h"
#include "files/targa.h"
#include "scratch_dir.h"
#include "small_tmpfs.h"

namespace trochograph {
namespace {

using test::ScratchDir;
using test::SmallTmpfs;

// Noise compresses badly, so the PNG is as large as the Targa file.
Surface noise(int side)
{
    Surface s(side, side);
    std::uint32_t v = 12345;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) s.setPixel(x, y, (v = v * 1664525u + 1013904223u) >> 8);
    return s;
}

TEST(SaveFile, AFullDiskFailsAndKeepsTheOldFile)
{
    const Surface tiny(3, 3, rgb(255, 0, 0));  // fits the stream's buffer: fails at close
    const Surface large = noise(200);          // fails in the middle
    const std::pair<const char*, std::function<Result<void>(const std::filesystem::path&)>> writers[] = {
        {"small Targa", [&](const auto& p) { return writeTarga(tiny, p); }},
        {"large Targa", [&](const auto& p) { return writeTarga(large, p); }},
        {"small PNG", [&](const auto& p) { return writePng(tiny, p); }},
        {"large PNG", [&](const auto& p) { return writePng(large, p); }},
        {"parameters", [&](const auto& p) { return writeRlt(CurveParameters{}, p); }},
    };
    for (const auto& [name, write] : writers) {
        SCOPED_TRACE(name);
        SmallTmpfs disk("size=64k");
        if (!disk.available()) GTEST_SKIP() << disk.why();
        test::writeBytes(disk / "picture", "the old picture");
        disk.fill("filler");
        const Result<void> saved = write(disk / "picture");
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.code(), ErrorCode::writeFailed);
        EXPECT_EQ(saved.message(), "can't write the file: No space left on device");
        EXPECT_EQ(test::readText(disk / "picture"), "the old picture");
        auto entries = disk.entries();
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::string>{"filler", "picture"}));
    }
}

// One line each, with the system's reason, for the command line. Only a regular file is
// saved over: a FIFO or a device, named or reached through links, stays as it was, and a
// reader waiting on the FIFO is not given a file in its place.
TEST(SaveFile, FailuresToCreateSayWhy)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo.png").c_str(), 0644), 0);
    const test::ScratchDevice device;
    std::filesystem::create_symlink(device.path(), dir / "null.tga");
    std::filesystem::create_symlink("fifo.png", dir / "to-fifo");
    std::filesystem::create_symlink(dir / "to-fifo", dir / "to-link.rlt");
    // A link of /proc leads to a pipe that has no name to find it by, as /dev/stdout may.
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {dir / "missing" / "a.tga", "can't create the file: No such file or directory"},
        {dir / "folder", "can't create the file: Is a directory"},
        {dir / (std::string(256, 'n') + ".tga"), "can't create the file: File name too long"},
        {dir / "fifo.png", "can't save over a named pipe, only over a regular file"},
        {dir / "null.tga", "can't save over a character device (" + device.path().string() + "), only over a regular file"},
        {dir / "to-link.rlt", "can't save over a named pipe (" + (dir / "fifo.png").string() + "), only over a regular file"},
        {"/proc/self/fd/" + std::to_string(pipe[1]), "can't save over a named pipe, only over a regular file"},
    };
    for (const auto& [path, message] : cases) {
        const Result<void> saved = saveFile(path, [](ByteSink&) { return Result<void>(); });
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.code(), ErrorCode::cannotCreate);
        EXPECT_EQ(saved.message(), message);
    }
    ::close(pipe[0]);
    ::close(pipe[1]);
    auto entries = dir.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"fifo.png", "folder", "null.tga", "to-fifo", "to-link.rlt"}));
    struct stat st {};
    EXPECT_TRUE(::lstat((dir / "fifo.png").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_TRUE(::stat(device.path().c_str(), &st) == 0 && S_ISCHR(st.st_mode));
}

TEST(SaveFile, AReadOnlyPlaceSaysWhy)
{
    // root writes anywhere a permission allows nothing, so it gets a read-only mount.
    if (::geteuid() == 0) {
        SmallTmpfs readOnly("size=64k,ro");
        if (!readOnly.available()) GTEST_SKIP() << readOnly.why();
        const Result<void> saved = saveFile(readOnly / "a.tga", [](ByteSink&) { return Result<void>(); });
        EXPECT_EQ(saved.code(), ErrorCode::cannotCreate);
        EXPECT_EQ(saved.message(), "can't create the file: Read-only file system");
        return;
    }
    ScratchDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const Result<void> saved = saveFile(dir / "a.tga", [](ByteSink&) { return Result<void>(); });
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(saved.code(), ErrorCode::cannotCreate);
    EXPECT_EQ(saved.message(), "can't create the file: Permission denied");
}

// An encoder that gives up or runs out of memory half-way leaves the old file alone, and
// its reason is the one told.
TEST(SaveFile, EncoderFailuresKeepTheOldFile)
{
    const std::uint8_t half[] = {'h', 'a', 'l', 'f'};
    const Error noMemory{ErrorCode::noMemory, "not enough memory to write the file"};
    const std::tuple<const char*, std::function<Result<void>(ByteSink&)>, std::optional<Error>> cases[] = {
        {"gives up",
         [&](ByteSink& s) -> Result<void> {
             (void)put(s, half);
             return Error{ErrorCode::writeFailed, "can't encode the picture"};
         },
         Error{ErrorCode::writeFailed, "can't encode the picture"}},
        {"no memory",
         [&](ByteSink& s) -> Result<void> {
             (void)put(s, half);
             return noMemory;
         },
         noMemory},
        {"writes", [&](ByteSink& s) { return put(s, half); }, std::nullopt},
    };
    for (const auto& [name, encode, error] : cases) {
        SCOPED_TRACE(name);
        ScratchDir dir;
        test::writeBytes(dir / "old", "old");
        const Result<void> saved = saveFile(dir / "old", encode);
        EXPECT_EQ(saved.ok(), !error);
        if (error) {
            EXPECT_EQ(saved.code(), error->code);
            EXPECT_EQ(saved.message(), error->message);
        }
        EXPECT_EQ(test::readText(dir / "old"), error ? "old" : "half");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"old"});
    }
}

}  // namespace
}  // namespace trochograph
