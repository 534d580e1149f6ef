// What the encoders say reaches the user only through the program's one line: nothing of it
// on the standard error, a lack of memory told as such however an encoder words it, and an
// encoder's own words where its error code says nothing.
#include "files/encoder_messages.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

#include "scratch_dir.h"

namespace trochograph::test {
namespace {

TEST(EncoderMessages, AreHeldAndToldInTheOneLine)
{
    const struct {
        const char* logged;  // through FFmpeg's log
        const char* printed;  // straight to the standard error, as x264 does
        int averror;
        ErrorCode code;
        std::string line;
    } cases[] = {
        {"Failed to initialize encoder: Memory allocation error\n", "", AVERROR(EINVAL), ErrorCode::noMemory,
         "not enough memory to write the film"},
        {"Error encoding frame: Memory allocation error\n", "", AVERROR_INVALIDDATA, ErrorCode::noMemory,
         "not enough memory to write the film"},
        {"", "x264 [error]: malloc of size 7056384 failed\n", AVERROR_EXTERNAL, ErrorCode::noMemory,
         "not enough memory to write the film"},
        {"", "", AVERROR(ENOMEM), ErrorCode::noMemory, "not enough memory to write the film"},
        {"Failed to initialize encoder: Invalid parameter\n", "", AVERROR(EINVAL), ErrorCode::cannotCreate,
         "can't start: Failed to initialize encoder: Invalid parameter"},
        // A code that says what went wrong is told as it is.
        {"Error writing the trailer\n", "", AVERROR(ENOSPC), ErrorCode::cannotCreate,
         "can't start: No space left on device"},
        {"", "", AVERROR_EXTERNAL, ErrorCode::cannotCreate, "can't start: Generic error in an external library"},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        // The real standard error, as the user would see it, is a file here.
        std::fflush(stderr);
        const int real = dup(STDERR_FILENO);
        ASSERT_TRUE(std::freopen((dir / "stderr").c_str(), "w", stderr));
        Error told;
        {
            const HeldEncoderMessages held;
            av_log(nullptr, AV_LOG_WARNING, "a warning is no reason\n");
            if (*c.logged) av_log(nullptr, AV_LOG_ERROR, "%s", c.logged);
            av_log(nullptr, AV_LOG_ERROR, "  Additional information: detail\n");
            std::fputs(c.printed, stderr);
            told = encoderFailure(ErrorCode::cannotCreate, "can't start", c.averror);
        }
        std::fflush(stderr);
        dup2(real, STDERR_FILENO);
        close(real);
        EXPECT_EQ(told.code, c.code);
        EXPECT_EQ(told.message, c.line);
        EXPECT_TRUE(readBytes(dir / "stderr").empty());
    }
}

}  // namespace
}  // namespace trochograph::test
