// The replace-on-commit file sink: the target changes only on a successful commit, and no
// temporary file outlives the sink.
#include "atomic_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::ScratchDir;

std::span<const std::uint8_t> bytes(const char* text)
{
    return {reinterpret_cast<const std::uint8_t*>(text), std::strlen(text)};
}

std::string contents(const std::filesystem::path& p)
{
    const auto b = test::readBytes(p);
    return {b.begin(), b.end()};
}

TEST(AtomicFile, CommitReplacesTheTargetWithAFileOfOrdinaryPermissions)
{
    ScratchDir dir;
    test::writeBytes(dir / "plain", "");  // what a normally created file gets
    test::writeBytes(dir / "target", "old contents, longer than the new");
    {
        AtomicFileSink sink;
        ASSERT_TRUE(sink.open(dir / "target"));
        EXPECT_EQ(sink.temporaryPath().parent_path(), dir.path());
        EXPECT_TRUE(sink.write(bytes("new ")));
        EXPECT_TRUE(sink.write(bytes("contents")));
        EXPECT_EQ(contents(dir / "target"), "old contents, longer than the new");
        EXPECT_TRUE(sink.commit());
        EXPECT_FALSE(sink.write(bytes("late")));
    }
    EXPECT_EQ(contents(dir / "target"), "new contents");
    EXPECT_EQ(std::filesystem::status(dir / "target").permissions(), std::filesystem::status(dir / "plain").permissions());
    EXPECT_EQ(dir.entries().size(), 2u);
}

TEST(AtomicFile, AbandonedOrDiscardedWritesLeaveTheTargetAlone)
{
    ScratchDir dir;
    test::writeBytes(dir / "target", "keep me");
    {
        AtomicFileSink sink;
        ASSERT_TRUE(sink.open(dir / "target"));
        ASSERT_TRUE(sink.write(bytes("half")));
        EXPECT_EQ(dir.entries().size(), 2u);
    }  // no commit
    EXPECT_EQ(contents(dir / "target"), "keep me");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"target"});

    AtomicFileSink sink;
    ASSERT_TRUE(sink.open(dir / "target"));
    sink.discard();
    EXPECT_FALSE(sink.commit());
    EXPECT_EQ(contents(dir / "target"), "keep me");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"target"});

    // A new target that was never committed doesn't appear at all.
    {
        AtomicFileSink fresh;
        ASSERT_TRUE(fresh.open(dir / "new"));
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"target"});
}

TEST(AtomicFile, AFailedRenameRemovesTheTemporaryFile)
{
    ScratchDir dir;
    // A non-empty directory can't be replaced by a file.
    std::filesystem::create_directory(dir / "target");
    test::writeBytes(dir / "target" / "inside", "x");
    AtomicFileSink sink;
    ASSERT_TRUE(sink.open(dir / "target"));
    ASSERT_TRUE(sink.write(bytes("data")));
    EXPECT_FALSE(sink.commit());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "target"));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"target"});
}

TEST(AtomicFile, CannotOpenWhereNoFileCanBeCreated)
{
    ScratchDir dir;
    AtomicFileSink sink;
    EXPECT_FALSE(sink.open(dir / "missing" / "target"));
    EXPECT_FALSE(sink.write(bytes("x")));
    EXPECT_FALSE(sink.commit());
    EXPECT_TRUE(dir.entries().empty());
}

// Each sink gets a temporary file of its own, so two writers never share one.
TEST(AtomicFile, ConcurrentSinksUseDistinctTemporaryFiles)
{
    ScratchDir dir;
    AtomicFileSink a, b;
    ASSERT_TRUE(a.open(dir / "t"));
    ASSERT_TRUE(b.open(dir / "t"));
    EXPECT_NE(a.temporaryPath(), b.temporaryPath());
    ASSERT_TRUE(a.write(bytes("a")));
    ASSERT_TRUE(b.write(bytes("b")));
    EXPECT_TRUE(a.commit());
    EXPECT_TRUE(b.commit());
    EXPECT_EQ(contents(dir / "t"), "b");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"t"});
}

}  // namespace
}  // namespace trochograph
