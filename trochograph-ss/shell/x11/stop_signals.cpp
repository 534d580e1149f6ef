#include "shell/x11/stop_signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace trochograph {

namespace {

volatile std::sig_atomic_t writeEnd = -1;

void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 's';
    // A full pipe already holds a wake-up: losing this byte loses nothing.
    [[maybe_unused]] const ssize_t written = write(writeEnd, &byte, 1);
    errno = saved;
}

}  // namespace

int stopSignalsFd()
{
    int ends[2];
    if (pipe(ends) != 0) return -1;
    for (const int end : ends)
        if (fcntl(end, F_SETFD, FD_CLOEXEC) != 0 || fcntl(end, F_SETFL, O_NONBLOCK) != 0) return -1;
    writeEnd = ends[1];
    for (const int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        if (sigaction(signal, &action, nullptr) != 0) return -1;
    }
    return ends[0];
}

}  // namespace trochograph
