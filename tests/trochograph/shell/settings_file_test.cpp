// The settings file and its lock are used only when nothing there could make reading or
// locking wait: plain files, or nothing yet.
#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "scratch_dir.h"

namespace trochograph::test {
namespace {

TEST(SettingsFile, OnlyPlainFilesOrNothingAreUsed)
{
    const struct {
        const char* name;
        void (*make)(const std::filesystem::path& file);
        const char* refusal;  // the end of the line, or null when the file may be used
    } cases[] = {
        {"nothing yet", [](const std::filesystem::path&) {}, nullptr},
        {"plain files", [](const std::filesystem::path& f) {
             writeBytes(f, "[recent]\n");
             writeBytes(settingsLockFile(f), "1\n");
         }, nullptr},
        {"a link to a plain file", [](const std::filesystem::path& f) {
             writeBytes(f.parent_path() / "real.conf", "");
             std::filesystem::create_symlink("real.conf", f);
         }, nullptr},
        {"a folder", [](const std::filesystem::path& f) { std::filesystem::create_directory(f); },
         "trochograph.conf is a folder, not a file"},
        {"a link to a pipe", [](const std::filesystem::path& f) {
             mkfifo((f.parent_path() / "pipe").c_str(), 0600);
             std::filesystem::create_symlink("pipe", f);
         }, "trochograph.conf is a named pipe, not a file"},
        {"too large", [](const std::filesystem::path& f) {
             writeBytes(f, "");
             std::filesystem::resize_file(f, largestSettingsFile + 1);
         }, "trochograph.conf is too large for a settings file"},
        {"a lock folder", [](const std::filesystem::path& f) { std::filesystem::create_directory(settingsLockFile(f)); },
         "trochograph.conf.lock is a folder, not a file"},
        {"a lock pipe", [](const std::filesystem::path& f) { mkfifo(settingsLockFile(f).c_str(), 0600); },
         "trochograph.conf.lock is a named pipe, not a file"},
        {"a lock link", [](const std::filesystem::path& f) {
             writeBytes(f.parent_path() / "elsewhere", "");
             std::filesystem::create_symlink("elsewhere", settingsLockFile(f));
         }, "trochograph.conf.lock is a symbolic link, not a file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        const std::filesystem::path file = dir / "trochograph.conf";
        c.make(file);
        const Result<void> checked = checkSettingsFile(file);
        EXPECT_EQ(checked.ok(), c.refusal == nullptr);
        if (!checked && c.refusal) {
            EXPECT_TRUE(checked.message().ends_with(c.refusal)) << checked.message();
            EXPECT_TRUE(checked.message().starts_with(dir.path().string())) << checked.message();
        }
    }
}

}  // namespace
}  // namespace trochograph::test
