// Xlib's error handlers for the hack. Xlib's own print a report and exit on any X error, and
// end the program from inside Xlib when the connection breaks. Here an X error is recorded
// for the loop to judge (a window destroyed under it is a normal end), and a broken
// connection ends the program with one line and exit code 1.
#pragma once

#include <X11/Xlib.h>
#include <optional>
#include <string>

namespace trochograph {

struct XErrorNote {
    int code = 0;          // BadWindow, BadDrawable, ...
    int request = 0;       // the major opcode of the failed request
    XID resource = 0;      // the resource it was about
};

void installXErrorHandlers();

// The first error recorded since the last call, if any; later ones until then are dropped.
std::optional<XErrorNote> takeXError();

// One line for the user: what failed and about what.
std::string describeXError(Display* display, const XErrorNote& error);

}  // namespace trochograph
