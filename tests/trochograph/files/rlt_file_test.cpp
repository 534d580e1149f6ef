// Parameter files on disk: saving and loading the state, refusing bad files without
// touching it, and the name used next to a saved image.
#include "files/rlt_file.h"

#include <gtest/gtest.h>

#include "files/rlt_record.h"
#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::ScratchDir;

std::filesystem::path data(const std::string& name) { return std::filesystem::path(TEST_DATA_DIR) / "rlt" / name; }

TEST(RltFile, SavedParametersLoadBackIntoAnotherState)
{
    ScratchDir dir;
    CurveParameters saved;
    saved.type = hypotrochoid;
    saved.Rpct[1] = 77, saved.rpct[1] = 21, saved.dpct[1] = 12.25, saved.kn[1] = 3, saved.kd[1] = 7;
    saved.increment = 0.125, saved.ellipse = 1, saved.method = 2, saved.en = 2, saved.ed = 9, saved.rottheta = 0.5;
    saved.fore = 0x00123456, saved.rfore = 0x56, saved.gfore = 0x34, saved.bfore = 0x12;
    saved.back = 0x00654321, saved.rback = 0x21, saved.gback = 0x43, saved.bback = 0x65, saved.multicolor = 0;
    saved.kindex = 3.7;  // stored truncated
    ASSERT_TRUE(writeRlt(saved, dir / "curve.rlt"));
    const auto bytes = test::readBytes(dir / "curve.rlt");
    ASSERT_EQ(bytes.size(), 100u);
    EXPECT_EQ(bytes[44], 3);

    CurveParameters loaded;
    const Result<void> result = loadRlt(dir / "curve.rlt", loaded);
    ASSERT_TRUE(result) << result.message();
    EXPECT_EQ(loaded.kindex, 3.0);
    saved.kindex = 3.0;
    EXPECT_EQ(rltFromState(loaded), rltFromState(saved));
    EXPECT_EQ(loaded.dpct[1], 12.25);
}

TEST(RltFile, LoadingAnotherTypeChangesOnlyThatTypesEntries)
{
    ScratchDir dir;
    CurveParameters other;
    other.type = hypotrochoid;
    other.Rpct[1] = 70, other.rpct[1] = 30, other.dpct[1] = 5.5, other.kn[1] = 4, other.kd[1] = 2;
    ASSERT_TRUE(writeRlt(other, dir / "h.rlt"));

    CurveParameters s;
    s.scale[1] = 0.5;
    const CurveParameters before = s;
    ASSERT_TRUE(loadRlt(dir / "h.rlt", s));

    EXPECT_EQ(s.type, hypotrochoid);
    EXPECT_EQ(s.Rpct, (PerType<int>{before.Rpct[0], 70, before.Rpct[2], before.Rpct[3]}));
    EXPECT_EQ(s.rpct, (PerType<int>{before.rpct[0], 30, before.rpct[2], before.rpct[3]}));
    EXPECT_EQ(s.dpct, (PerType<double>{before.dpct[0], 5.5, before.dpct[2], before.dpct[3]}));
    EXPECT_EQ(s.kn, (PerType<int>{before.kn[0], 4, before.kn[2], before.kn[3]}));
    EXPECT_EQ(s.kd, (PerType<int>{before.kd[0], 2, before.kd[2], before.kd[3]}));
    // Not stored, so not changed.
    EXPECT_EQ(s.scale, before.scale);
    EXPECT_EQ(s.speed, before.speed);
    EXPECT_EQ(s.width, before.width);
}

TEST(RltFile, RefusedFilesLeaveTheStateAsItWas)
{
    const std::pair<const char*, const char*> cases[] = {
        {"truncated_57.rlt", "not a parameter file: 57 bytes, a parameter file has 100"},
        {"empty.rlt", "not a parameter file: 0 bytes"},
        {"type_7.rlt", "type is 7"},
        {"kindex_9.rlt", "kindex is 9"},
        {"dpct_nan.rlt", "dpct is nan"},
        {"big_r_zero.rlt", "Rpct is 0"},
        {"en_over_ed.rlt", "en is 5; it should be at most ed, which is 4"},
        {"hypotrochoid_equal_radii.rlt", "hypotrochoid: R and r should not be equal"},
        {"ellipse_rhodonea.rlt", "ellipse is 1"},
        {"inc_zero.rlt", "inc is 0"},
        {"inc_denormal.rlt", "inc is 5e-324"},
        {"rottheta_two_pi.rlt", "rottheta is 6.283185307179586"},
        {"rottheta_negative.rlt", "rottheta is -0.5"},
        {"fore_high_byte.rlt", "fore is 0x01000000"},
        {"kn_17_type_2.rlt", "kn is 17"},
    };
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file);
        CurveParameters s;
        s.type = epitrochoid;
        s.Rpct[2] = 33;
        const CurveParameters before = s;
        const Result<void> result = loadRlt(data(file), s);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.code(), ErrorCode::invalid);
        EXPECT_NE(result.message().find(expected), std::string::npos) << result.message();
        EXPECT_TRUE(s == before);
    }
}

// Files that other programs padded, or saved with a trailing newline, are read as far as
// their record.
TEST(RltFile, LongerFilesAreReadAsFarAsTheirRecord)
{
    ScratchDir dir;
    const auto bytes = test::readBytes(data("long_101.rlt"));
    ASSERT_EQ(bytes.size(), 101u);
    test::writeBytes(dir / "record.rlt", std::string(bytes.begin(), bytes.begin() + 100));
    CurveParameters padded, record;
    ASSERT_TRUE(loadRlt(data("long_101.rlt"), padded));
    ASSERT_TRUE(loadRlt(dir / "record.rlt", record));
    EXPECT_TRUE(padded == record);
}

TEST(RltFile, PathsThatCannotBeReadAreReportedAsSuch)
{
    ScratchDir dir;
    CurveParameters s;
    const CurveParameters before = s;
    for (const auto& path : {dir / "missing.rlt", dir.path()}) {
        const Result<void> result = loadRlt(path, s);
        ASSERT_FALSE(result) << path;
        EXPECT_EQ(result.code(), ErrorCode::cannotOpen) << path;
        EXPECT_EQ(result.message(), "Error opening RLT file");
    }
    EXPECT_TRUE(s == before);
}

TEST(RltFile, SavingReplacesAnExistingFileAndLeavesNothingElse)
{
    ScratchDir dir;
    test::writeBytes(dir / "p.rlt", "an older and longer file than a parameter record, to be replaced entirely..."
                                    "..............................................................");
    CurveParameters s;
    ASSERT_TRUE(writeRlt(s, dir / "p.rlt"));
    const auto bytes = test::readBytes(dir / "p.rlt");
    const auto expected = encodeRlt(rltFromState(s));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin(), expected.end()));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.rlt"});

    EXPECT_EQ(writeRlt(s, dir / "no-such-dir" / "p.rlt").code(), ErrorCode::cannotCreate);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.rlt"});
}

TEST(RltFile, ParameterNameNextToAnImage)
{
    const std::pair<std::filesystem::path, std::filesystem::path> cases[] = {
        {"rose.tga", "rose.rlt"},
        {"dir/rose.bmp", "dir/rose.rlt"},
        {"rose.TGA", "rose.rlt"},
        {"my.rose.tga", "my.rose.rlt"},
        {"rose.jpeg", "rose.rlt"},
        {"rose", "rose.rlt"},
        {"ab", "ab.rlt"},
        {"a", "a.rlt"},
        {"dir.d/rose", "dir.d/rose.rlt"},
        {".tga", ".tga.rlt"},
        // Never the image's own name.
        {"rose.rlt", "rose.rlt.rlt"},
        {"rose.RLT", "rose.RLT.rlt"},
    };
    for (const auto& [image, expected] : cases) EXPECT_EQ(rltPathFor(image), expected) << image;
}

}  // namespace
}  // namespace trochograph
