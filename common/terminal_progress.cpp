#include "common/terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "common/error_line.h"

namespace trochograph {

namespace {

constexpr auto quietTime = std::chrono::seconds(1);
constexpr int barWidth = 30;

}  // namespace

TerminalProgress::TerminalProgress(const std::string& what)
    : what_(escapedControls(what)), start_(std::chrono::steady_clock::now()), terminal_(isatty(STDERR_FILENO) == 1)
{
}

TerminalProgress::~TerminalProgress()
{
    if (shownPercent_ >= 0) std::fputc('\n', stderr);
}

void TerminalProgress::show(double done)
{
    if (!terminal_ || std::chrono::steady_clock::now() - start_ < quietTime) return;
    const int percent = static_cast<int>(std::clamp(done, 0.0, 1.0) * 100);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    const int filled = percent * barWidth / 100;
    std::fprintf(stderr, "\r%s [%s%s] %3d%%", what_.c_str(), std::string(filled, '#').c_str(),
                 std::string(barWidth - filled, ' ').c_str(), percent);
    std::fflush(stderr);
}

}  // namespace trochograph
