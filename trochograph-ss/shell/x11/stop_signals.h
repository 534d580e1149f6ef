// SIGTERM and SIGINT turned into a readable pipe (the self-pipe trick), so that the hack's
// loop waits for them and for the X connection in one poll() and then ends cleanly.
#pragma once

namespace trochograph {

// Installs the handlers, replacing any earlier disposition: even a SIGINT that a script's
// shell set to be ignored for a background job ends the hack when it is sent on purpose.
// Returns the pipe's read end, readable once a signal has come, or -1 (errno set) when the
// pipe or the handlers can't be had. Called once per program.
int stopSignalsFd();

}  // namespace trochograph
