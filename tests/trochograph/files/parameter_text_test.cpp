// The parameter text PNG pictures carry: its exact lines, a round trip of awkward values
// through text and back into a state, and the texts it refuses.
#include "files/parameter_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/parameter_limits.h"

namespace trochograph {
namespace {

std::string withLine(std::string text, const std::string& key, const std::string& line)
{
    const std::size_t at = text.find("\n" + key + "=") + 1;
    const std::size_t end = text.find('\n', at);
    return text.replace(at, end - at, line);
}

TEST(ParameterText, WritesOneLinePerKeyInOrder)
{
    CurveParameters s;
    const std::string text = parameterText(s);
    const std::string start =
        "type=0\nellipse=0\nmethod=1\nRpct=44\nrpct=11\ndpct=33\nincrement=0.01\nkn=1\nkd=1\nkindex=0\nen=3\ned=4\n"
        "rottheta=0\nfore=FFFFFF\nback=000000\nrfore=255\ngfore=255\nbfore=255\nrback=0\ngback=0\nbback=0\n"
        "multicolor=1\nwidth=3\nscale=1\nrounding=4\nres=600\npalette=";
    ASSERT_EQ(text.substr(0, start.size()), start);
    // 256 words of BBGGRR, the built-in palette's first entry first.
    const std::string palette = text.substr(start.size());
    EXPECT_EQ(palette.size(), 256u * 7);
    EXPECT_EQ(palette.back(), '\n');
    std::string first;
    for (int shift = 20; shift >= 0; shift -= 4) first += "0123456789ABCDEF"[(builtinPalette[0] >> shift) & 0xF];
    EXPECT_EQ(palette.substr(0, 7), first + " ");
}

// Reals that only the shortest exact form brings back, every field away from its default,
// a palette of distinct colours; the text carries all of it into a fresh state.
TEST(ParameterText, AwkwardValuesComeBackExactlyIntoAnotherState)
{
    CurveParameters s;
    s.type = hypotrochoid;
    s.ellipse = 1, s.method = actualEllipse, s.Rpct[1] = 97, s.rpct[1] = 5, s.dpct[1] = 1.0 / 3.0;
    s.increment = 0.1 + 0.2, s.kn[1] = 12, s.kd[1] = 16, s.kindex = 8.9, s.en = 7, s.ed = 100;
    s.rottheta = std::nextafter(limits::rotation.high, 0.0), s.dbtheta = s.rottheta * 180.0 / std::acos(-1.0);
    s.rfore = 1, s.gfore = 2, s.bfore = 3, s.fore = rgb(1, 2, 3), s.rback = 254, s.gback = 0, s.bback = 128;
    s.back = rgb(254, 0, 128), s.multicolor = 0, s.width = 5, s.scale[1] = 0.1, s.rounding = noRounding;
    s.res = 9600;
    Palette colors;
    for (std::size_t i = 0; i < colors.size(); ++i) colors[i] = static_cast<Colorref>(i * 0x010305 + 7) & 0x00FFFFFF;
    s.crpalette = colors;

    // Keys of later versions and empty lines are passed over.
    const Result<PictureParameters> parsed = parseParameterText("added=later\n\n" + parameterText(s) + "more=1");
    ASSERT_TRUE(parsed) << parsed.message();
    const PictureParameters& p = *parsed;
    EXPECT_EQ(p, pictureParameters(s));
    EXPECT_EQ(p.record.kindex, 8);  // stored truncated, as in a .rlt file
    EXPECT_EQ(p.rounding, 0);       // none

    CurveParameters loaded;
    ASSERT_TRUE(applyPictureParameters(p, loaded));
    EXPECT_EQ(loaded.scale, (PerType<double>{1.0, 0.1, 1.0, 1.0}));
    EXPECT_EQ(loaded.halfres(), 4800);
    EXPECT_EQ(pictureParameters(loaded), p);
}

TEST(ParameterText, RefusesBadTextsNamingTheProblem)
{
    const std::string good = parameterText(CurveParameters{});
    std::string withoutKd = good;
    withoutKd.erase(withoutKd.find("kd=1\n"), 5);
    std::string words = "palette=";
    for (int i = 0; i < 257; ++i) words += i == 0 ? "000000" : " 000000";
    const std::pair<std::string, std::string> cases[] = {
        {withoutKd, "kd is missing"},
        {good + "type=0\n", "'type' appears twice, the second time on line 28"},
        {withLine(good, "Rpct", "Rpct=44x"), "Rpct is '44x'; it should be a whole number"},
        {withLine(good, "kn", "kn=1.0"), "kn is '1.0'; it should be a whole number"},
        {withLine(good, "width", "width= 3"), "width is ' 3'; it should be a whole number"},
        {withLine(good, "kd", "kd=99999999999"), "kd is '99999999999', far out of range"},
        {withLine(good, "dpct", "dpct=nan"), "dpct is 'nan'; it should be a finite number"},
        {withLine(good, "increment", "increment=inf"), "increment is 'inf'; it should be a finite number"},
        {withLine(good, "scale", "scale=1e999"), "scale is '1e999'; it should be a finite number"},
        {withLine(good, "rottheta", "rottheta=0x1p1"), "rottheta is '0x1p1'; it should be a finite number"},
        {withLine(good, "fore", "fore=FFFFFF00"), "fore is 'FFFFFF00'; it should be 6 hex digits, BBGGRR"},
        {withLine(good, "type", "type=7"), "type is 7; it should be 0 to 3"},
        {withLine(good, "dpct", "dpct=100.5"), "dpct is 100.5; it should be 0 to 100"},
        {withLine(good, "increment", "increment=0"), "increment is 0; it should be a finite number of at least"},
        {withLine(good, "width", "width=6"), "width is 6; it should be 1 to 5"},
        {withLine(good, "scale", "scale=5.01"), "scale is 5.01; it should be 0.1 to 5"},
        {withLine(good, "rounding", "rounding=11"), "rounding is 11; it should be 0 to 10"},
        {withLine(good, "res", "res=99"), "res is 99; it should be 100 to 16384"},
        {withLine(good, "res", "res=16385"), "res is 16385; it should be 100 to 16384"},
        {withLine(good, "palette", "palette=00G000" + good.substr(good.find("palette=") + 14, 255 * 7)),
         "palette word 1 is '00G000'; it should be 6 hex digits, BBGGRR"},
        {withLine(good, "palette", words), "palette has 257 colours; it should have 256"},
        {withLine(good, "palette", "palette="), "palette word 1 is ''"},
        {"type=0\r\n", "line 1 holds a character that is not printable ASCII"},
        {"type=0\nrpct\n", "line 2 has no '=': 'rpct'"},
        {good + "note=" + std::string(limits::parameterTextBytes, 'x'), "bytes long; at most 16384 are read"},
    };
    for (const auto& [text, message] : cases) {
        const Result<PictureParameters> parsed = parseParameterText(text);
        ASSERT_FALSE(parsed) << message;
        EXPECT_EQ(parsed.code(), ErrorCode::invalid);
        EXPECT_NE(parsed.message().find(message), std::string::npos) << parsed.message();
    }
}

// A smooth poster's side loads; it draws on the largest raster canvas.
TEST(ParameterText, APostersSideLoadsAsTheLargestCanvas)
{
    PictureParameters poster = pictureParameters(CurveParameters{});
    poster.res = 16384;
    CurveParameters s;
    ASSERT_TRUE(applyPictureParameters(poster, s));
    EXPECT_EQ(s.res, 9600);
}

// Parameters filled in by hand rather than parsed are checked as strictly, before anything
// is applied.
TEST(ParameterText, ApplyingRefusesWhatParsingWouldAndChangesNothing)
{
    const PictureParameters good = pictureParameters(CurveParameters{});
    PictureParameters badType = good, badScale = good, badRes = good;
    badType.record.type = 4;
    badScale.scale = 0.0;
    badRes.res = 16385;
    const std::pair<PictureParameters, const char*> cases[] = {
        {badType, "type is 4; it should be 0 to 3"},
        {badScale, "scale is 0; it should be 0.1 to 5"},
        {badRes, "res is 16385; it should be 100 to 16384"},
    };
    for (const auto& [carried, message] : cases) {
        CurveParameters s;
        s.type = hypotrochoid;
        const CurveParameters before = s;
        const Result<void> applied = applyPictureParameters(carried, s);
        ASSERT_FALSE(applied) << message;
        EXPECT_EQ(applied.message(), message);
        EXPECT_TRUE(s == before) << message;
    }
}

}  // namespace
}  // namespace trochograph
