#include <gtest/gtest.h>

#include "shell/file_dialogs.h"
#include "shell/image_export.h"

namespace trochograph::test {
namespace {

// The typed extension decides; the filter decides for other names and makes a .png smooth.
TEST(ImageExport, FormatFollowsTheNameThenTheFilter)
{
    using enum PictureKind;
    struct Case {
        const char* name;
        int filter;
        PictureKind kind;
        bool smooth;
    };
    const Case cases[] = {
        {"rose.tga", 0, targa, false}, {"rose.TGA", 3, targa, false}, {"rose.svg", 0, svg, false},
        {"rose.png", 0, png, false},   {"rose.png", 2, png, false},   {"rose.Png", 3, png, true},
        {"rose.bmp", 0, targa, false}, {"rose.bmp", 1, svg, false},   {"rose", 3, png, true},
        {"rose", 9, thetaRho, false},  {"rose.svg", 3, svg, false},   {"rose", -1, targa, false},
        {"rose", 4, gcode, false},     {"rose.nc", 0, gcode, false},  {"rose.thr", 4, thetaRho, false},
    };
    for (const Case& c : cases) {
        const ImageChoice choice = chosenImage(c.name, c.filter);
        EXPECT_EQ(choice.format->kind, c.kind) << c.name << " " << c.filter;
        EXPECT_EQ(choice.smooth, c.smooth) << c.name << " " << c.filter;
    }

    // Each filter's pattern is the extension of the format it stands for.
    const FileDialogSetup& save = fileDialogSetup(FileDialogKind::saveImage);
    for (int filter = 0; filter < 6; ++filter)
        EXPECT_EQ(filterExtension(save, filter), chosenImage("rose", filter).format->extension.substr(1)) << filter;
    EXPECT_EQ(filterExtension(save, 6), "tga");
    EXPECT_EQ(filterExtension(fileDialogSetup(FileDialogKind::saveParameters), 0), "rlt");
}

}  // namespace
}  // namespace trochograph::test
