// What a save may replace and how the new file looks: the permission bits it has before its
// first byte, and the links it follows in folders that other users share.
#include "files/temporary_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "files/save_file.h"
#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::ScratchDir;
using Naming = TemporaryFile::Naming;

mode_t modeOf(const struct stat& st) { return st.st_mode & 07777; }

// A replaced file's bits without setuid and setgid, or what the umask leaves of 0666, from
// the moment the file is made, with either kind of temporary file.
TEST(TemporaryFile, TheFileHasItsFinalModeBeforeItsFirstByte)
{
    struct Case {
        std::optional<mode_t> old;  // none: a new file
        mode_t umask;
        mode_t expected;
    };
    const Case cases[] = {
        {std::nullopt, 022, 0644}, {std::nullopt, 027, 0640}, {std::nullopt, 0, 0666}, {0600, 022, 0600},
        {0640, 077, 0640},         {04755, 022, 0755},         {02775, 022, 0775},     {06750, 0, 0750},
    };
    const mode_t umask = ::umask(0);
    for (const Naming naming : {Naming::unnamedWherePossible, Naming::named}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << std::oct << "old " << c.old.value_or(0) << " umask " << c.umask);
            ScratchDir dir;
            if (c.old) {
                test::writeBytes(dir / "target", "old");
                ::chmod((dir / "target").c_str(), *c.old);
            }
            ::umask(c.umask);
            TemporaryFile temp(naming);
            const Result<int> fd = temp.create(dir / "target");
            ASSERT_TRUE(fd) << fd.message();
            struct stat st {};
            ASSERT_EQ(::fstat(*fd, &st), 0);
            EXPECT_EQ(modeOf(st), c.expected);
            ASSERT_EQ(::write(*fd, "new", 3), 3);
            ASSERT_TRUE(temp.replaceTarget());
            ASSERT_EQ(::stat((dir / "target").c_str(), &st), 0);
            EXPECT_EQ(modeOf(st), c.expected);
            EXPECT_EQ(test::readText(dir / "target"), "new");
        }
    }
    ::umask(umask);
}

// A link is followed as the kernel's protection of links in shared folders would follow
// it, whatever fs.protected_symlinks says: a link another user planted in a sticky folder
// anyone may write to (/tmp) would otherwise send a save by root onto any file.
TEST(TemporaryFile, LinksInSharedFoldersAreFollowedOnlyWhereTheKernelWould)
{
    constexpr uid_t other = 54321;
    const uid_t self = ::geteuid();
    struct Case {
        const char* name;
        mode_t folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        bool followed;
    };
    const Case cases[] = {
        {"another user's link in a sticky folder anyone may write to", 01777, self, other, false},
        {"the user's own link there", 01777, self, self, true},
        {"the folder owner's link there", 01777, other, other, true},
        {"another user's link in a folder that is not sticky", 0777, self, other, true},
        {"another user's link in a sticky folder not everyone may write to", 01775, self, other, true},
    };
    const auto refusal = [](const std::string& shown) {
        return "can't follow a link" + shown + " that another user owns in a sticky folder anyone may write to";
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        const std::filesystem::path shared = dir / "shared", link = shared / "picture.png";
        std::filesystem::create_directory(shared);
        test::writeBytes(dir / "victim", "old");
        std::filesystem::create_symlink(dir / "victim", link);
        std::filesystem::create_symlink(link, dir / "mine.png");
        if (::lchown(link.c_str(), c.linkOwner, -1) != 0 || ::chown(shared.c_str(), c.folderOwner, -1) != 0)
            GTEST_SKIP() << "a link or folder of another user needs root to make";
        ::chmod(shared.c_str(), c.folderMode);
        // Named directly, and at the end of a link of the user's own in a private folder.
        for (const auto& [target, message] :
             {std::pair{link, refusal("")}, std::pair{dir / "mine.png", refusal(" (" + link.string() + ")")}}) {
            const Result<void> saved = saveFile(target, [](ByteSink& sink) {
                static constexpr std::uint8_t text[] = {'n', 'e', 'w'};
                return put(sink, text);
            });
            EXPECT_EQ(saved.ok(), c.followed) << target;
            if (!c.followed) {
                EXPECT_EQ(saved.code(), ErrorCode::cannotCreate);
                EXPECT_EQ(saved.message(), message);
            }
            EXPECT_EQ(test::readText(dir / "victim"), c.followed ? "new" : "old");
        }
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared), {}), 1);
    }
}

}  // namespace
}  // namespace trochograph
