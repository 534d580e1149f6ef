// Writes the program's pictures as PNG files into the folder given on the command line.
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "picture_image.h"
#include "pictures.h"

int main(int argc, char** argv)
{
    using namespace trochograph::pictures;
    if (argc != 2) {
        std::fputs("usage: make_pictures OUTPUT_DIR\n", stderr);
        return 2;
    }
    const std::filesystem::path dir = argv[1];

    // Text needs the application object, but never a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    // The pictures in the repository were made with these; a substitute changes the text.
    for (const char* family : {"DejaVu Sans", "DejaVu Serif"})
        if (QFontInfo(QFont(QString::fromLatin1(family))).family() != QLatin1String(family))
            std::fprintf(stderr, "make_pictures: font %s not found; its text uses a substitute\n", family);

    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "make_pictures: can't create %s: %s\n", dir.string().c_str(), ec.message().c_str());
        return 1;
    }

    struct Entry {
        std::string name;  // relative to the output folder
        std::function<Picture()> draw;
    };
    std::vector<Entry> pictures = {
        {"splash.png", drawSplash},
        {"farewell.png", drawFarewell},
        {"about.png", drawAbout},
        {"icon.png", [] { return drawIcon(64); }},
        {"icon-32.png", [] { return drawIcon(32); }},
        {"help1.png", drawHelpRollingCircles},
        {"help2.png", drawHelpRose},
        {"help3.png", drawHelpCurveSets},
        {"help4.png", drawHelpRollingEllipses},
        {"help5.png", drawHelpRounding},
    };
    // The desktop's icons, laid out as in the hicolor theme so that they install as they are.
    for (const int side : desktopIconSides) {
        const std::string folder = "icons/" + std::to_string(side) + "x" + std::to_string(side);
        pictures.push_back({folder + "/apps/trochograph.png", [side] { return drawIcon(side); }});
        pictures.push_back({folder + "/apps/trochograph-ss.png", [side] { return drawShowIcon(side); }});
        pictures.push_back({folder + "/mimetypes/application-x-trochograph-parameters.png",
                            [side] { return drawParameterFileIcon(side); }});
    }
    int status = 0;
    for (const auto& p : pictures) {
        const std::filesystem::path path = dir / p.name;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec) {
            std::fprintf(stderr, "make_pictures: %s: %s\n", path.parent_path().c_str(), ec.message().c_str());
            status = 1;
        } else if (const trochograph::Result<void> written = writePicture(p.draw(), path); !written) {
            std::fprintf(stderr, "make_pictures: %s: %s\n", path.c_str(), written.message().c_str());
            status = 1;
        }
    }
    return status;
}
