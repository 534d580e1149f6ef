// The hack for a build without Xlib: it can only say so.
#include <cstdio>

#include "shell/show_hack.h"

namespace trochograph {

int runHack(const HackOptions&)
{
    std::fputs("trochograph-ss: this build has no X11 support\n", stderr);
    return 1;
}

}  // namespace trochograph
