#include "shell/startup.h"

#include <algorithm>

namespace trochograph {

int startResolution(const ScreenSize& screen) { return std::clamp(screen.yscreen - 128, 100, 600); }

Rect mainWindowFrame(const ScreenSize& screen) { return {0, 0, screen.xscreen, screen.yscreen - 38}; }

Rect centredPicture(const ScreenSize& screen, int width, int height)
{
    const int left = (screen.xscreen >> 1) - width / 2;
    const int top = (screen.yscreen >> 1) - height / 2;
    return {left, top, left + width, top + height};
}

std::string commandLineFile(const std::string& argument)
{
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        return argument.substr(1, argument.size() - 2);
    return argument;
}

const char* startupError(int code)
{
    static const char* const errormessage[] = {
        "Couldn't register main window class.",
        "Couldn't create main window.",
        "Couldn't initialize graphics.",
    };
    return code >= 1 && code <= 3 ? errormessage[code - 1] : "";
}

bool displayDepthSuffices(int bitsPerPixel) { return bitsPerPixel >= 24; }

}  // namespace trochograph
