// Saving through the replace-on-commit sink: on a disk that is really full every writer
// fails, keeps the old file and leaves no temporary file, whether the failure comes in the
// middle or only when the last block is flushed at close; each failure says why.
#include "save_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <unistd.h>

#include "png_export.h"
#include "rlt_file.h"
#include "scratch_dir.h"
#include "small_tmpfs.h"
#include "targa.h"

namespace trochograph {
namespace {

using test::ScratchDir;
using test::SmallTmpfs;

std::string contents(const std::filesystem::path& p)
{
    const auto b = test::readBytes(p);
    return {b.begin(), b.end()};
}

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
    const std::pair<const char*, std::function<SaveResult(const std::filesystem::path&)>> writers[] = {
        {"small Targa", [&](const auto& p) { return writetga(tiny, p); }},
        {"large Targa", [&](const auto& p) { return writetga(large, p); }},
        {"small PNG", [&](const auto& p) { return writePng(tiny, p); }},
        {"large PNG", [&](const auto& p) { return writePng(large, p); }},
        {"parameters", [&](const auto& p) { return writerlt(p, CurveParameters{}); }},
    };
    for (const auto& [name, write] : writers) {
        SCOPED_TRACE(name);
        SmallTmpfs disk("size=64k");
        if (!disk.available()) GTEST_SKIP() << disk.why();
        test::writeBytes(disk / "picture", "the old picture");
        disk.fill("filler");
        const SaveResult saved = write(disk / "picture");
        EXPECT_EQ(saved.code, saveWriteFailed);
        EXPECT_EQ(saved.message, "can't write the file: No space left on device");
        EXPECT_EQ(contents(disk / "picture"), "the old picture");
        auto entries = disk.entries();
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::string>{"filler", "picture"}));
    }
}

// One line each, with the system's reason, for the command line.
TEST(SaveFile, FailuresToCreateSayWhy)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir / "folder");
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {dir / "missing" / "a.tga", "can't create the file: No such file or directory"},
        {dir / "folder", "can't create the file: Is a directory"},
        {dir / (std::string(256, 'n') + ".tga"), "can't create the file: File name too long"},
    };
    for (const auto& [path, message] : cases) {
        const SaveResult saved = saveFile(path, [](ByteSink&) { return true; });
        EXPECT_EQ(saved.code, saveCannotCreate);
        EXPECT_EQ(saved.message, message);
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"folder"});
}

TEST(SaveFile, AReadOnlyPlaceSaysWhy)
{
    // root writes anywhere a permission allows nothing, so it gets a read-only mount.
    if (::geteuid() == 0) {
        SmallTmpfs readOnly("size=64k,ro");
        if (!readOnly.available()) GTEST_SKIP() << readOnly.why();
        const SaveResult saved = saveFile(readOnly / "a.tga", [](ByteSink&) { return true; });
        EXPECT_EQ(saved.code, saveCannotCreate);
        EXPECT_EQ(saved.message, "can't create the file: Read-only file system");
        return;
    }
    ScratchDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const SaveResult saved = saveFile(dir / "a.tga", [](ByteSink&) { return true; });
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(saved.code, saveCannotCreate);
    EXPECT_EQ(saved.message, "can't create the file: Permission denied");
}

// An encoder that gives up or runs out of memory half-way leaves the old file alone.
TEST(SaveFile, EncoderFailuresKeepTheOldFile)
{
    const std::uint8_t half[] = {'h', 'a', 'l', 'f'};
    const std::tuple<const char*, std::function<bool(ByteSink&)>, SaveCode, std::string> cases[] = {
        {"gives up", [&](ByteSink& s) { return s.write(half) && false; }, saveWriteFailed, "can't encode the picture"},
        {"no memory",
         [&](ByteSink& s) -> bool {
             (void)s.write(half);
             throw std::bad_alloc();
         },
         saveNoMemory, "not enough memory to write the file"},
        {"writes", [&](ByteSink& s) { return s.write(half); }, saveOk, ""},
    };
    for (const auto& [name, encode, code, message] : cases) {
        SCOPED_TRACE(name);
        ScratchDir dir;
        test::writeBytes(dir / "old", "old");
        const SaveResult saved = saveFile(dir / "old", encode);
        EXPECT_EQ(saved.code, code);
        EXPECT_EQ(saved.message, message);
        EXPECT_EQ(contents(dir / "old"), code == saveOk ? "half" : "old");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"old"});
    }
}

}  // namespace
}  // namespace trochograph
