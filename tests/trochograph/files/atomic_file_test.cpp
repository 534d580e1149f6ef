// The replace-on-commit file sink: the target changes only on a successful commit, and no
// temporary file outlives the sink; both with an unnamed temporary file, where the file
// system makes one, and with a named one, as elsewhere.
#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <system_error>

#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::ScratchDir;
using Naming = TemporaryFile::Naming;

std::span<const std::uint8_t> bytes(const char* text)
{
    return {reinterpret_cast<const std::uint8_t*>(text), std::strlen(text)};
}

class AtomicFile : public ::testing::TestWithParam<Naming> {
protected:
    // Whether the temporary file has a name, and shows in its folder, while it is written.
    bool named(const ScratchDir& dir) const { return GetParam() == Naming::named || !test::unnamedFilesWork(dir.path()); }
};

INSTANTIATE_TEST_SUITE_P(Namings, AtomicFile, ::testing::Values(Naming::unnamedWherePossible, Naming::named),
                         [](const auto& info) { return info.param == Naming::named ? "Named" : "Unnamed"; });

TEST_P(AtomicFile, CommitReplacesTheTargetWithAFileOfOrdinaryPermissions)
{
    ScratchDir dir;
    test::writeBytes(dir / "plain", "");  // what a normally created file gets
    test::writeBytes(dir / "target", "old contents, longer than the new");
    {
        AtomicFileSink sink(GetParam());
        ASSERT_TRUE(sink.open(dir / "target"));
        if (named(dir)) {
            EXPECT_EQ(sink.temporaryPath().parent_path(), dir.path());
        }
        EXPECT_EQ(dir.entries().size(), named(dir) ? 3u : 2u);
        EXPECT_TRUE(sink.write(bytes("new ")));
        EXPECT_TRUE(sink.write(bytes("contents")));
        EXPECT_EQ(test::readText(dir / "target"), "old contents, longer than the new");
        EXPECT_TRUE(sink.commit());
        EXPECT_FALSE(sink.write(bytes("late")));
    }
    EXPECT_EQ(test::readText(dir / "target"), "new contents");
    EXPECT_EQ(std::filesystem::status(dir / "target").permissions(), std::filesystem::status(dir / "plain").permissions());
    EXPECT_EQ(dir.entries().size(), 2u);
}

TEST_P(AtomicFile, AbandonedOrDiscardedWritesLeaveTheTargetAlone)
{
    ScratchDir dir;
    test::writeBytes(dir / "target", "keep me");
    {
        AtomicFileSink sink(GetParam());
        ASSERT_TRUE(sink.open(dir / "target"));
        ASSERT_TRUE(sink.write(bytes("half")));
        EXPECT_EQ(dir.entries().size(), named(dir) ? 2u : 1u);
    }  // no commit
    EXPECT_EQ(test::readText(dir / "target"), "keep me");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"target"});

    AtomicFileSink sink(GetParam());
    ASSERT_TRUE(sink.open(dir / "target"));
    sink.discard();
    EXPECT_FALSE(sink.commit());
    EXPECT_EQ(test::readText(dir / "target"), "keep me");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"target"});

    // A new target that was never committed doesn't appear at all.
    {
        AtomicFileSink fresh(GetParam());
        ASSERT_TRUE(fresh.open(dir / "new"));
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"target"});
}

TEST_P(AtomicFile, AFailedRenameRemovesTheTemporaryFile)
{
    ScratchDir dir;
    AtomicFileSink sink(GetParam());
    ASSERT_TRUE(sink.open(dir / "target"));
    ASSERT_TRUE(sink.write(bytes("data")));
    // A non-empty directory that appears meanwhile can't be replaced by a file.
    std::filesystem::create_directory(dir / "target");
    test::writeBytes(dir / "target" / "inside", "x");
    EXPECT_FALSE(sink.commit());
    EXPECT_EQ(sink.failure(), AtomicFileSink::Failure::replace);
    EXPECT_EQ(sink.error().message, "can't replace the file: Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "target"));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"target"});
}

// What can't be written is refused at open, before a large picture has been encoded for
// nothing, with the reason for the user.
TEST_P(AtomicFile, RefusesImpossibleTargetsAtOpenWithTheirReason)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir / "folder");
    test::writeBytes(dir / "plain", "x");
    std::filesystem::create_symlink("loop", dir / "loop");
    const std::pair<std::filesystem::path, int> cases[] = {
        {dir / "missing" / "target", ENOENT},
        {dir / "folder", EISDIR},
        {dir / "plain" / "target", ENOTDIR},
        {dir / (std::string(300, 'n') + ".tga"), ENAMETOOLONG},
        {dir / "loop", ELOOP},
        {"", ENOENT},
    };
    for (const auto& [target, error] : cases) {
        AtomicFileSink sink(GetParam());
        EXPECT_FALSE(sink.open(target)) << target;
        EXPECT_EQ(sink.failure(), AtomicFileSink::Failure::create) << target;
        EXPECT_EQ(sink.error().code, ErrorCode::cannotCreate) << target;
        EXPECT_EQ(sink.error().message, "can't create the file: " + std::generic_category().message(error)) << target;
    }
    EXPECT_EQ(dir.entries().size(), 3u);
}

// Links are written through, however they are chained, relative or absolute: the file
// they lead to is replaced, beside which the temporary file is made, and the links stay.
TEST_P(AtomicFile, WritesThroughSymbolicLinksToTheFileTheyLeadTo)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir / "pictures");
    test::writeBytes(dir / "pictures" / "rose.tga", "old");
    std::filesystem::create_symlink(dir / "pictures" / "rose.tga", dir / "absolute");
    std::filesystem::create_symlink("absolute", dir / "relative");
    std::filesystem::create_symlink("pictures/new.tga", dir / "dangling");
    for (const char* link : {"relative", "absolute"}) {
        AtomicFileSink sink(GetParam());
        ASSERT_TRUE(sink.open(dir / link));
        if (named(dir)) {
            EXPECT_EQ(sink.temporaryPath().parent_path(), dir / "pictures");
        }
        ASSERT_TRUE(sink.write(bytes(link)));
        ASSERT_TRUE(sink.commit());
        EXPECT_EQ(test::readText(dir / "pictures" / "rose.tga"), link);
    }
    // A link to a file not there yet makes the file.
    AtomicFileSink sink(GetParam());
    ASSERT_TRUE(sink.open(dir / "dangling"));
    ASSERT_TRUE(sink.write(bytes("new")));
    ASSERT_TRUE(sink.commit());
    EXPECT_EQ(test::readText(dir / "pictures" / "new.tga"), "new");

    for (const char* link : {"relative", "absolute", "dangling"}) EXPECT_TRUE(std::filesystem::is_symlink(dir / link));
    EXPECT_EQ(dir.entries().size(), 4u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "pictures"), {}), 2);
}

TEST_P(AtomicFile, AReplacedFileKeepsItsPermissionBits)
{
    using std::filesystem::perms;
    ScratchDir dir;
    for (const perms mode : {perms::owner_read | perms::owner_write,
                             perms::owner_read | perms::owner_write | perms::group_read,
                             perms::owner_read | perms::group_read | perms::others_read,
                             perms::owner_all | perms::group_read | perms::group_exec}) {
        test::writeBytes(dir / "target", "old");
        std::filesystem::permissions(dir / "target", mode);
        std::filesystem::create_symlink("target", dir / "link");
        for (const char* name : {"target", "link"}) {
            AtomicFileSink sink(GetParam());
            ASSERT_TRUE(sink.open(dir / name));
            ASSERT_TRUE(sink.write(bytes("new")));
            ASSERT_TRUE(sink.commit());
            EXPECT_EQ(std::filesystem::status(dir / "target").permissions(), mode) << name;
        }
        EXPECT_EQ(test::readText(dir / "target"), "new");
        std::filesystem::remove(dir / "target");
        std::filesystem::remove(dir / "link");
    }
}

TEST_P(AtomicFile, CannotOpenWhereNoFileCanBeCreated)
{
    ScratchDir dir;
    AtomicFileSink sink(GetParam());
    EXPECT_FALSE(sink.open(dir / "missing" / "target"));
    EXPECT_FALSE(sink.write(bytes("x")));
    EXPECT_FALSE(sink.commit());
    EXPECT_TRUE(dir.entries().empty());
}

// Each sink gets a temporary file of its own, so two writers never share one.
TEST_P(AtomicFile, ConcurrentSinksUseDistinctTemporaryFiles)
{
    ScratchDir dir;
    AtomicFileSink a(GetParam()), b(GetParam());
    ASSERT_TRUE(a.open(dir / "t"));
    ASSERT_TRUE(b.open(dir / "t"));
    if (named(dir)) {
        EXPECT_NE(a.temporaryPath(), b.temporaryPath());
    }
    ASSERT_TRUE(a.write(bytes("a")));
    ASSERT_TRUE(b.write(bytes("b")));
    EXPECT_TRUE(a.commit());
    EXPECT_TRUE(b.commit());
    EXPECT_EQ(test::readText(dir / "t"), "b");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"t"});
}

}  // namespace
}  // namespace trochograph
