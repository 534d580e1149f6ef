#include "files/encoder_messages.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace trochograph {

namespace {

struct Held {
    std::mutex lock;
    int depth = 0;
    std::string logged;   // FFmpeg's last error message
    int savedStderr = -1;  // the real standard error while held
    int caught = -1;       // the file the standard error goes to meanwhile
};

Held& held()
{
    static Held h;
    return h;
}

std::string trimmed(std::string text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    return text;
}

void keepLogged(void* context, int level, const char* format, va_list args)
{
    if (level > AV_LOG_ERROR) return;
    std::array<char, 512> line{};
    int prefix = 0;  // without "[libvpx-vp9 @ 0x...]"
    av_log_format_line2(context, level, format, args, line.data(), line.size(), &prefix);
    // An indented line adds detail to the one before, which says what failed.
    if (line[0] == ' ') return;
    std::string text = trimmed(line.data());
    if (text.empty()) return;
    const std::lock_guard guard(held().lock);
    held().logged = std::move(text);
}

// The last line written to the held standard error, or empty.
std::string lastCaughtLine(int fd)
{
    std::array<char, 1024> tail{};
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size <= 0) return {};
    const off_t from = std::max<off_t>(0, size - static_cast<off_t>(tail.size() - 1));
    const ssize_t got = ::pread(fd, tail.data(), tail.size() - 1, from);
    if (got <= 0) return {};
    std::string text = trimmed(std::string(tail.data(), static_cast<std::size_t>(got)));
    return text.substr(text.find_last_of('\n') + 1);
}

// What the encoders said last while held: FFmpeg's log first, else what reached the
// standard error.
std::string encoderSaid()
{
    std::fflush(stderr);
    const std::lock_guard guard(held().lock);
    if (!held().logged.empty()) return held().logged;
    return held().caught >= 0 ? lastCaughtLine(held().caught) : std::string();
}

// The words the encoders use for a lack of memory: x264's "malloc of size ... failed",
// libvpx's "Memory allocation error", the system's "Cannot allocate memory".
bool tellsOfNoMemory(std::string said)
{
    std::transform(said.begin(), said.end(), said.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const char* words : {"malloc", "memory allocation", "allocate memory", "failed to allocate", "out of memory"})
        if (said.find(words) != std::string::npos) return true;
    return false;
}

}  // namespace

HeldEncoderMessages::HeldEncoderMessages()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        av_log_set_level(AV_LOG_ERROR);
        av_log_set_callback(keepLogged);
    });
    std::fflush(stderr);
    const std::lock_guard guard(held().lock);
    Held& h = held();
    if (h.depth++ > 0) return;
    h.logged.clear();
    // Where no file can be had for it, the standard error stays as it is.
    h.caught = ::memfd_create("encoder messages", MFD_CLOEXEC);
    if (h.caught < 0) return;
    h.savedStderr = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (h.savedStderr < 0 || ::dup2(h.caught, STDERR_FILENO) < 0) {
        if (h.savedStderr >= 0) ::close(h.savedStderr);
        ::close(h.caught);
        h.savedStderr = h.caught = -1;
    }
}

HeldEncoderMessages::~HeldEncoderMessages()
{
    std::fflush(stderr);
    const std::lock_guard guard(held().lock);
    Held& h = held();
    if (--h.depth > 0 || h.caught < 0) return;
    (void)::dup2(h.savedStderr, STDERR_FILENO);
    ::close(h.savedStderr);
    ::close(h.caught);
    h.savedStderr = h.caught = -1;
}

Error encoderFailure(ErrorCode code, const std::string& what, int averror)
{
    const std::string said = encoderSaid();
    if (averror == AVERROR(ENOMEM) || tellsOfNoMemory(said))
        return {ErrorCode::noMemory, "not enough memory to write the film"};
    // These codes are all some encoders return, whatever went wrong.
    const bool vague = averror == AVERROR_EXTERNAL || averror == AVERROR(EINVAL) || averror == AVERROR_INVALIDDATA ||
                       averror == AVERROR_UNKNOWN || averror == AVERROR_BUG;
    if (vague && !said.empty()) return {code, what + ": " + said};
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(averror, text.data(), text.size());
    return {code, what + ": " + text.data()};
}

}  // namespace trochograph
