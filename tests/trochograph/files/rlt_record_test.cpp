// The parameter record's byte layout, its conversion from and to the curve state, and the
// checks a loaded record must pass.
#include "files/rlt_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace trochograph {
namespace {

using Change = std::function<void(RltRecord&)>;

// Type 2 with the built-in parameters of a fresh state.
constexpr std::array<std::uint8_t, 100> golden = {
    0x02, 0x00, 0x00, 0x00,  0x00, 0x00, 0x00, 0x00,  0x01, 0x00, 0x00, 0x00,  // type, ellipse, method
    0x5A, 0x00, 0x00, 0x00,  0x5A, 0x00, 0x00, 0x00,                           // Rpct, rpct
    0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x56, 0x40,                            // dpct 90.0
    0x7B, 0x14, 0xAE, 0x47, 0xE1, 0x7A, 0x84, 0x3F,                            // inc 0.01
    0x05, 0x00, 0x00, 0x00,  0x01, 0x00, 0x00, 0x00,  0x00, 0x00, 0x00, 0x00,  // kn, kd, kindex
    0x03, 0x00, 0x00, 0x00,  0x04, 0x00, 0x00, 0x00,                           // en, ed
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                            // rottheta
    0xFF, 0xFF, 0xFF, 0x00,  0x00, 0x00, 0x00, 0x00,                           // fore, back
    0xFF, 0x00, 0x00, 0x00,  0xFF, 0x00, 0x00, 0x00,  0xFF, 0x00, 0x00, 0x00,  // rfore, gfore, bfore
    0x00, 0x00, 0x00, 0x00,  0x00, 0x00, 0x00, 0x00,  0x00, 0x00, 0x00, 0x00,  // rback, gback, bback
    0x01, 0x00, 0x00, 0x00,                                                    // multicolor
};

RltRecord validRecord()
{
    CurveParameters s;
    s.type = rhodoneaRational;
    return rltFromState(s);
}

TEST(RltRecord, EncodesTheBuiltInType2ParametersToTheKnownBytes)
{
    EXPECT_EQ(encodeRlt(validRecord()), golden);
    EXPECT_EQ(decodeRlt(golden), validRecord());
}

// Each field alone at a distinctive value lands at its offset, little-endian, and nowhere
// else: fields the golden record leaves at zero are placed too.
TEST(RltRecord, EveryFieldHasItsOwnOffset)
{
    using R = RltRecord;
    auto i = [](std::int32_t R::*m) -> Change { return [=](R& r) { r.*m = -0x76543211; }; };  // EF CD AB 89
    auto c = [](Colorref R::*m) -> Change { return [=](R& r) { r.*m = 0x89ABCDEF; }; };
    auto d = [](double R::*m) -> Change { return [=](R& r) { r.*m = -1234.5; }; };  // 0xC0934A0000000000
    const std::tuple<std::size_t, Change, bool> fields[] = {
        {0, i(&R::type), false},  {4, i(&R::ellipse), false}, {8, i(&R::method), false}, {12, i(&R::Rpct), false},
        {16, i(&R::rpct), false}, {20, d(&R::dpct), true},    {28, d(&R::inc), true},    {36, i(&R::kn), false},
        {40, i(&R::kd), false},   {44, i(&R::kindex), false}, {48, i(&R::en), false},    {52, i(&R::ed), false},
        {56, d(&R::rottheta), true}, {64, c(&R::fore), false}, {68, c(&R::back), false}, {72, i(&R::rfore), false},
        {76, i(&R::gfore), false}, {80, i(&R::bfore), false}, {84, i(&R::rback), false}, {88, i(&R::gback), false},
        {92, i(&R::bback), false}, {96, i(&R::multicolor), false},
    };
    const std::vector<std::uint8_t> intBytes = {0xEF, 0xCD, 0xAB, 0x89};
    const std::vector<std::uint8_t> realBytes = {0, 0, 0, 0, 0, 0x4A, 0x93, 0xC0};
    for (const auto& [offset, set, real] : fields) {
        RltRecord r;
        set(r);
        std::array<std::uint8_t, 100> expected{};
        std::ranges::copy(real ? realBytes : intBytes, expected.begin() + offset);
        EXPECT_EQ(encodeRlt(r), expected) << "offset " << offset;
        EXPECT_EQ(decodeRlt(expected), r) << "offset " << offset;
    }
}

TEST(RltRecord, KindexConvertsForEveryValue)
{
    CurveParameters s;
    s.kindex = -0.9;
    EXPECT_EQ(rltFromState(s).kindex, 0);
    // Out of range or not a number still converts, to something validation refuses.
    s.kindex = 1e300;
    EXPECT_EQ(rltFromState(s).kindex, std::numeric_limits<std::int32_t>::max());
    s.kindex = std::nan("");
    EXPECT_EQ(rltFromState(s).kindex, 0);
}

TEST(RltRecord, ApplyKeepsTheDegreesInStepWithTheRadians)
{
    RltRecord r = validRecord();
    r.rottheta = std::numbers::pi / 2;
    CurveParameters s;
    ASSERT_TRUE(applyRlt(r, s));
    EXPECT_EQ(s.rottheta, std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(s.dbtheta, 90.0);
}

TEST(RltRecord, AcceptsTheEdgesOfEveryRange)
{
    const Change cases[] = {
        [](RltRecord& r) { r.Rpct = 5, r.rpct = 100, r.dpct = 0.0, r.kd = 16, r.kindex = 8; },
        [](RltRecord& r) { r.dpct = 100.0, r.inc = 1e-4, r.kn = 16, r.en = r.ed = 100, r.rottheta = 0.0; },
        [](RltRecord& r) { r.inc = 1e300, r.rottheta = std::nextafter(2 * std::numbers::pi, 0.0); },
        [](RltRecord& r) { r.rottheta = 359 * std::numbers::pi / 180; },  // the dialog's largest angle
        [](RltRecord& r) { r.type = 3, r.kn = 100, r.method = 2, r.multicolor = 0; },
        [](RltRecord& r) { r.type = 0, r.kn = 1000000, r.ellipse = 1; },
        [](RltRecord& r) { r.back = 0x00FFFFFF, r.rback = r.gback = r.bback = 255, r.en = r.ed = 1; },
    };
    for (const Change& change : cases) {
        RltRecord r = validRecord();
        change(r);
        const Result<void> valid = validateRlt(r);
        EXPECT_TRUE(valid) << valid.message();
    }
}

// Applying refuses the same records, before anything is changed.
TEST(RltRecord, RefusesEveryOutOfRangeFieldWithAReasonNamingIt)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<Change, std::string> cases[] = {
        {[](RltRecord& r) { r.type = 4; }, "type is 4; it should be 0 to 3"},
        {[](RltRecord& r) { r.type = -1; }, "type is -1; it should be 0 to 3"},
        {[](RltRecord& r) { r.type = 0, r.ellipse = 2; }, "ellipse is 2; it should be 0 to 1"},
        {[](RltRecord& r) { r.ellipse = 1; }, "ellipse is 1; it should be 0 for type 2"},
        {[](RltRecord& r) { r.method = 3; }, "method is 3; it should be 0 to 2"},
        {[](RltRecord& r) { r.Rpct = 4; }, "Rpct is 4; it should be 5 to 100"},
        {[](RltRecord& r) { r.rpct = 101; }, "rpct is 101; it should be 5 to 100"},
        {[](RltRecord& r) { r.type = 1, r.Rpct = 60, r.rpct = 60; }, "hypotrochoid: R and r should not be equal"},
        {[](RltRecord& r) { r.dpct = -0.5; }, "dpct is -0.5; it should be 0 to 100"},
        {[=](RltRecord& r) { r.dpct = nan; }, "dpct is nan"},
        {[](RltRecord& r) { r.inc = 0.0; }, "inc is 0; it should be a finite number of at least 0.0001"},
        {[=](RltRecord& r) { r.inc = inf; }, "inc is inf"},
        {[=](RltRecord& r) { r.inc = nan; }, "inc is nan"},
        {[](RltRecord& r) { r.inc = -0.01; }, "inc is -0.01"},
        // Steps so small that a curve would take hours, or theta would never grow at all.
        {[](RltRecord& r) { r.inc = 9.99e-5; }, "inc is 9.99e-05; it should be a finite number of at least 0.0001"},
        {[](RltRecord& r) { r.inc = 1e-16; }, "inc is 1e-16"},
        {[](RltRecord& r) { r.inc = 5e-324; }, "inc is 5e-324"},
        {[](RltRecord& r) { r.kn = 17; }, "kn is 17; it should be 1 to 16 for type 2"},
        {[](RltRecord& r) { r.type = 3, r.kn = 101; }, "kn is 101; it should be 1 to 100 for type 3"},
        {[](RltRecord& r) { r.type = 0, r.kn = 0; }, "kn is 0; it should be at least 1"},
        {[](RltRecord& r) { r.kd = 0; }, "kd is 0; it should be 1 to 16"},
        {[](RltRecord& r) { r.kindex = 9; }, "kindex is 9; it should be 0 to 8"},
        {[](RltRecord& r) { r.en = 0; }, "en is 0; it should be 1 to 100"},
        {[](RltRecord& r) { r.ed = 101; }, "ed is 101; it should be 1 to 100"},
        {[](RltRecord& r) { r.en = 5, r.ed = 4; }, "en is 5; it should be at most ed, which is 4"},
        {[=](RltRecord& r) { r.rottheta = -inf; }, "rottheta is -inf; it should be at least 0 and less than 6.28318"},
        {[=](RltRecord& r) { r.rottheta = nan; }, "rottheta is nan"},
        {[](RltRecord& r) { r.rottheta = 2 * std::numbers::pi; }, "rottheta is 6.283185307179586; it should be"},
        {[](RltRecord& r) { r.rottheta = -1e-9; }, "rottheta is -1e-09"},
        {[](RltRecord& r) { r.rottheta = 1e6; }, "rottheta is 1e+06"},
        {[](RltRecord& r) { r.fore = 0x01000000; }, "fore is 0x01000000; it should be 0x00000000 to 0x00FFFFFF"},
        {[](RltRecord& r) { r.back = 0xFFFFFFFF; }, "back is 0xFFFFFFFF"},
        {[](RltRecord& r) { r.rfore = -1; }, "rfore is -1; it should be 0 to 255"},
        {[](RltRecord& r) { r.bback = 256; }, "bback is 256; it should be 0 to 255"},
        {[](RltRecord& r) { r.multicolor = 2; }, "multicolor is 2; it should be 0 to 1"},
    };
    for (const auto& [change, expected] : cases) {
        RltRecord r = validRecord();
        change(r);
        const Result<void> valid = validateRlt(r);
        ASSERT_FALSE(valid) << expected;
        EXPECT_EQ(valid.code(), ErrorCode::invalid);
        EXPECT_NE(valid.message().find(expected), std::string::npos) << valid.message();
        EXPECT_EQ(valid.message().find('\n'), std::string::npos) << valid.message();

        CurveParameters s;
        const CurveParameters before = s;
        const Result<void> applied = applyRlt(r, s);
        ASSERT_FALSE(applied) << expected;
        EXPECT_EQ(applied.message(), valid.message());
        EXPECT_TRUE(s == before) << expected;
    }
}

}  // namespace
}  // namespace trochograph
