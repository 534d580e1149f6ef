// The list of recent parameter files: order, repeats, the cap of eight, files that have
// gone, and how entries read.
#include "shell/recent_files.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace trochograph::test {
namespace {

using Paths = std::vector<std::filesystem::path>;

// Each case starts from a kept list, then adds files in order.
TEST(RecentFiles, KeepsTheLatestFirstOnceEachAndAtMostEight)
{
    const struct {
        const char* what;
        Paths kept, added, expected;
    } cases[] = {
        {"empty", {}, {}, {}},
        {"added go to the front", {}, {"/a.rlt", "/b.rlt", "/c.png"}, {"/c.png", "/b.rlt", "/a.rlt"}},
        {"a repeat moves to the front", {"/a.rlt", "/b.rlt", "/c.rlt"}, {"/c.rlt"}, {"/c.rlt", "/a.rlt", "/b.rlt"}},
        {"the same file spelled two ways", {"/x/a.rlt"}, {"/x/y/../a.rlt", "/x/./b.rlt", "/x//a.rlt"},
         {"/x/a.rlt", "/x/b.rlt"}},
        {"the front added again", {"/a.rlt", "/b.rlt"}, {"/a.rlt"}, {"/a.rlt", "/b.rlt"}},
        {"the oldest falls off",
         {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
         {"/9"},
         {"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
        {"a repeat in a full list drops nothing",
         {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
         {"/8"},
         {"/8", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
        {"a kept list: repeats keep their newer place, empty names go, eight stay",
         {"/1", "", "/2", "/1", "/3", "/4", "/5", "/6", "/7", "/8", "/9"},
         {},
         {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}},
    };
    for (const auto& c : cases) {
        RecentFiles recent(c.kept);
        for (const auto& file : c.added) recent.add(file);
        EXPECT_EQ(recent.files(), c.expected) << c.what;
    }
}

TEST(RecentFiles, RelativeNamesAreListedAgainstTheCurrentFolder)
{
    RecentFiles recent;
    recent.add("curves/../rose.rlt");
    recent.add(std::filesystem::current_path() / "rose.rlt");
    EXPECT_EQ(recent.files(), Paths{std::filesystem::current_path() / "rose.rlt"});
    EXPECT_TRUE(recent.remove("./rose.rlt"));
    EXPECT_FALSE(recent.remove("rose.rlt"));
    EXPECT_TRUE(recent.files().empty());
}

TEST(RecentFiles, FilesThatHaveGoneAreDropped)
{
    ScratchDir dir;
    writeBytes(dir / "kept.rlt", "x");
    writeBytes(dir / "picture.png", "x");
    RecentFiles recent({dir / "gone.rlt", dir / "kept.rlt", dir / "nowhere" / "a.rlt", dir / "picture.png"});
    EXPECT_TRUE(recent.dropMissing());
    EXPECT_EQ(recent.files(), (Paths{dir / "kept.rlt", dir / "picture.png"}));
    EXPECT_FALSE(recent.dropMissing());
    EXPECT_EQ(recent.files().size(), 2u);
}

TEST(RecentFiles, EntriesShowNumberNameAndFolder)
{
    EXPECT_EQ(recentEntryText(0, "/home/ana/curves/rose.rlt"), "1  rose.rlt  (/home/ana/curves)");
    EXPECT_EQ(recentEntryText(7, "/star & moon.png"), "8  star & moon.png  (/)");
    // A tab would start the entry's shortcut text; a line end would break it.
    EXPECT_EQ(recentEntryText(2, "/a\tb/<b>c\nd\te.rlt"), "3  <b>c\\nd\\te.rlt  (/a\\tb)");
}

}  // namespace
}  // namespace trochograph::test
