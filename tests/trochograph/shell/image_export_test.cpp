#include <gtest/gtest.h>

#include "file_dialogs.h"
#include "image_export.h"

namespace trochograph::test {
namespace {

// The typed extension decides; the filter decides for other names and makes a .png smooth.
TEST(ImageExport, FormatFollowsTheNameThenTheFilter)
{
    using enum ImageFormat;
    struct Case {
        const char* name;
        int filter;
        ImageFormat format;
    };
    const Case cases[] = {
        {"rose.tga", 0, targa}, {"rose.TGA", 3, targa},      {"rose.svg", 0, svg},
        {"rose.png", 0, png},   {"rose.png", 2, png},        {"rose.Png", 3, smoothPng},
        {"rose.bmp", 0, targa}, {"rose.bmp", 1, svg},        {"rose", 3, smoothPng},
        {"rose", 9, smoothPng}, {"rose.svg", 3, svg},
    };
    for (const Case& c : cases) EXPECT_EQ(chosenFormat(c.name, c.filter), c.format) << c.name << " " << c.filter;

    const FileDialogSetup& save = fileDialogSetup(FileDialogKind::saveImage);
    const char* extensions[] = {"tga", "svg", "png", "png", "tga"};
    for (int filter = 0; filter < 5; ++filter) EXPECT_EQ(filterExtension(save, filter), extensions[filter]) << filter;
    EXPECT_EQ(filterExtension(fileDialogSetup(FileDialogKind::saveParameters), 0), "rlt");
}

}  // namespace
}  // namespace trochograph::test
