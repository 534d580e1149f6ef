#include "shell/x11/x_errors.h"

#include <cstdio>
#include <cstdlib>

namespace trochograph {

namespace {

std::optional<XErrorNote> recorded;

int recordError(Display*, XErrorEvent* event)
{
    if (!recorded) recorded = XErrorNote{event->error_code, event->request_code, event->resourceid};
    return 0;
}

// Xlib ends the program itself if this returns; ending it here keeps the message to one
// line and the exit free of atexit handlers that might touch the dead connection.
int connectionLost(Display*)
{
    std::fputs("trochograph-ss: lost the connection to the X server\n", stderr);
    std::_Exit(1);
}

}  // namespace

void installXErrorHandlers()
{
    XSetErrorHandler(recordError);
    XSetIOErrorHandler(connectionLost);
}

std::optional<XErrorNote> takeXError()
{
    std::optional<XErrorNote> error;
    error.swap(recorded);
    return error;
}

std::string describeXError(Display* display, const XErrorNote& error)
{
    char text[256] = {};
    XGetErrorText(display, error.code, text, sizeof text);
    char line[400];
    std::snprintf(line, sizeof line, "X error: %s (request %d, resource 0x%lx)", text, error.request,
                  static_cast<unsigned long>(error.resource));
    return line;
}

}  // namespace trochograph
