// A progress bar on stderr for headless work: drawn only when stderr is a terminal and the
// work has taken longer than a second, so quick renders, pipes and logs see nothing.
#pragma once

#include <chrono>
#include <string>

namespace trochograph {

class TerminalProgress {
public:
    // `what` names the work on the bar's line, as "rose.mp4"; its control characters are
    // shown as escapes, so that a name can't move the cursor or retitle the terminal.
    explicit TerminalProgress(const std::string& what);
    // Ends the bar's line, if one was drawn.
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // The share done, 0 to 1.
    void show(double done);
    // Whether a bar may be drawn at all (stderr is a terminal): work that costs something
    // to measure its progress needs to only then.
    bool wanted() const { return terminal_; }

private:
    std::string what_;
    std::chrono::steady_clock::time_point start_;
    bool terminal_;
    int shownPercent_ = -1;
};

}  // namespace trochograph
