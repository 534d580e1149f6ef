// The table of picture formats: names find their row in any case, the refusals list what
// is accepted, and every writer writes a file that starts as its row says.
#include "files/picture_formats.h"

#include <gtest/gtest.h>

#include "common/surface.h"
#include "files/parameter_text.h"
#include "files/png_parameters.h"
#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::ScratchDir;

TEST(PictureFormats, NamesFindTheirFormatInAnyCase)
{
    struct Case {
        const char* name;
        bool drawings;
        const char* extension;  // null when refused
    };
    const Case cases[] = {
        {"a.tga", true, ".tga"},  {"a.TGA", false, ".tga"}, {"b/a.Png", true, ".png"},
        {"a.svg", true, ".svg"},  {"a.svg", false, nullptr}, {"a.bmp", true, nullptr},
        {"tga", true, nullptr},   {"a.png.rlt", true, nullptr}, {"a.NC", true, ".nc"},
        {"a.thr", false, nullptr}, {"a.gcode", true, ".gcode"},
    };
    for (const Case& c : cases) {
        const PictureFormat* format = pictureFormatOf(c.name, c.drawings);
        ASSERT_EQ(format != nullptr, c.extension != nullptr) << c.name;
        if (format) {
            EXPECT_EQ(format->extension, c.extension) << c.name;
        }
    }
    for (const PictureFormat& format : pictureFormats()) EXPECT_EQ(pictureFormat(format.kind).kind, format.kind);
    EXPECT_EQ(pictureFormat(PictureKind::gcode).extension, ".gcode");

    EXPECT_EQ(pictureNameRule("a.bmp"), "the output must end in .tga, .png, .svg, .gcode, .nc or .thr");
    EXPECT_EQ(pictureNameRule("a.svg", false), "the output must end in .tga or .png");
    EXPECT_EQ(pictureNameRule("b/.PNG"), "the output needs a name before .png");
    EXPECT_EQ(pictureNameRule(".svg", false), "the output must end in .tga or .png");
}

TEST(PictureFormats, EveryWriterWritesItsOwnFormat)
{
    ScratchDir dir;
    const Surface raster(3, 2, rgb(200, 10, 20));
    std::string drawing;
    const std::string parameters = parameterText(CurveParameters{});
    const PictureSource source{raster, parameters, [&](ByteSink& sink) {
                                   return put(sink, {reinterpret_cast<const std::uint8_t*>(drawing.data()),
                                                     drawing.size()});
                               }};
    for (const PictureFormat& format : pictureFormats()) {
        SCOPED_TRACE(format.extension);
        // The drawing formats write what their encoder gives.
        drawing = std::string(format.signature) + " the drawing";
        const std::filesystem::path path = (dir / "a").replace_extension(format.extension);
        ASSERT_TRUE(format.write(source, path));
        const std::vector<std::uint8_t> bytes = test::readBytes(path);
        ASSERT_GE(bytes.size(), format.signature.size());
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + std::ssize(format.signature)), format.signature);
        // The drawing carries what its encoder puts in; the PNG picture is read back here.
        if (format.kind == PictureKind::png) {
            const Result<PictureParameters> carried = loadPngParameters(path);
            ASSERT_TRUE(carried) << carried.message();
            EXPECT_EQ(*carried, pictureParameters(CurveParameters{}));
        }
    }
    EXPECT_EQ(test::readBytes(dir / "a.tga").size(), 18u + 3 * 3 * 2 + 26);

    // The show keeps no record of its curves.
    const Result<void> undrawn = pictureFormat(PictureKind::svg).write({raster}, dir / "b.svg");
    EXPECT_EQ(undrawn.code(), ErrorCode::cannotCreate);
    EXPECT_FALSE(std::filesystem::exists(dir / "b.svg"));
}

}  // namespace
}  // namespace trochograph
