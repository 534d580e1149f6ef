// Parameters read back from PNG pictures: a round trip through the encoder, the damaged and
// hostile pictures under tests/data/png refused silently with the state untouched, and the
// one loader that tells a picture from a .rlt file by its content.
#include "files/png_parameters.h"

#include <gtest/gtest.h>

#include "files/parameter_file.h"
#include "files/png_export.h"
#include "files/rlt_file.h"
#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::ScratchDir;

std::filesystem::path data(const std::string& name) { return std::filesystem::path(TEST_DATA_DIR) / name; }

// The content decides, not the name: a picture named .rlt and a .rlt file named .png.
TEST(PngParameters, PicturesCarryTheirParametersBackAndRltFilesStayAsTheyWere)
{
    ScratchDir dir;
    CurveParameters drawn;
    drawn.type = rhodoneaRational;
    drawn.kn[2] = 7, drawn.width = 1, drawn.scale[2] = 0.5;
    Palette colors = builtinPalette;
    colors[3] = 0x00123456;
    drawn.crpalette = colors;
    drawn.res = 150;
    ASSERT_TRUE(writePng(Surface(3, 2, 0x000000FF), dir / "rose.rlt", parameterText(drawn)));

    CurveParameters s;
    ParameterOrigin origin;
    const Result<void> loaded = loadParameterFile(dir / "rose.rlt", s, origin);
    ASSERT_TRUE(loaded) << loaded.message();
    EXPECT_TRUE(origin.picture);
    EXPECT_EQ(s.res, 150);
    EXPECT_EQ(s.halfres(), 75);
    EXPECT_EQ(pictureParameters(s), pictureParameters(drawn));

    drawn.kn[2] = 9;
    ASSERT_TRUE(writeRlt(drawn, dir / "rose.png"));
    origin.picture = true;
    ASSERT_TRUE(loadParameterFile(dir / "rose.png", s, origin));
    EXPECT_FALSE(origin.picture);
    EXPECT_EQ(s.kn[2], 9);
    EXPECT_EQ(s.res, 150) << "a parameter file has no canvas side";
}

TEST(PngParameters, RefusedPicturesSayWhyQuietlyAndChangeNothing)
{
    const std::pair<const char*, const char*> cases[] = {
        {"no_parameters.png", "no Trochograph parameters in this PNG picture"},
        {"truncated.png", "the PNG picture ends too early"},
        {"crc_damaged.png", "damaged PNG picture: tEXt: CRC error"},
        {"huge_chunk.png", "damaged PNG picture: tEXt: chunk data is too large"},
        {"overlong.png", "the parameters are 19041 bytes long; at most 16384 are read"},
        {"dpct_nan.png", "dpct is 'nan'; it should be a finite number"},
        {"type_7.png", "type is 7; it should be 0 to 3"},
        {"palette_short.png", "palette has 255 colours; it should have 256"},
    };
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(file);
        CurveParameters s;
        s.width = 5;
        const CurveParameters before = s;
        ParameterOrigin origin;
        testing::internal::CaptureStderr();
        const Result<void> loaded = loadParameterFile(data(std::string("png/") + file), s, origin);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.code(), ErrorCode::invalid);
        EXPECT_EQ(loaded.message(), message);
        EXPECT_TRUE(origin.picture);
        EXPECT_TRUE(s == before);
    }

    const Result<PictureParameters> notPng = loadPngParameters(data("rlt/rose_on_blue.rlt"));
    ASSERT_FALSE(notPng);
    EXPECT_EQ(notPng.code(), ErrorCode::invalid);
    EXPECT_EQ(notPng.message(), "not a PNG picture");
}

}  // namespace
}  // namespace trochograph
