// Films of a drawing: MP4 (H.264 in yuv420p, moov atom first, for browsers and phones),
// WebM (VP9 in yuv444p, thin coloured lines kept whole) or GIF (each frame in its own colours, exact when a frame holds at most 256),
// written frame by frame as they come, none kept, through FFmpeg's libraries. The file is
// a temporary file beside the target (temporary_file.h), written and read back through its
// descriptor alone, and put in the target's place only by finish(): a failure, a cancel or
// an interrupt leaves no file and keeps an old one.
#pragma once

#include <filesystem>
#include <memory>

#include "common/result.h"
#include "common/surface.h"
#include "files/film_formats.h"

namespace trochograph {

class VideoWriter {
public:
    // Opens the encoder and the temporary file for square frames of `side` pixels shown
    // `fps` times a second (filmSizeOf gives a side every format takes). Refuses, in one
    // line: an odd side for MP4 or WebM, a side outside minFilmSide..maxFilmSide, fps outside minFps..maxFps, an encoder missing
    // from the installed libraries (naming it), a file that can't be created or a target
    // that is not a regular file (save_target.h).
    [[nodiscard]] static Result<std::unique_ptr<VideoWriter>> open(const std::filesystem::path& path, VideoKind kind,
                                                                   int side, int fps);
    // Without a successful finish(), removes the temporary file; the target is untouched.
    // An error from addFrame() or finish() ends the film: the temporary file is removed at
    // once and every later call returns that error.
    virtual ~VideoWriter() = default;

    // One frame of side x side pixels (0x00BBGGRR); it is shown for `times` frame times
    // (at least 1), as the held end of a film is.
    [[nodiscard]] virtual Result<void> addFrame(const Surface& frame, int times = 1) = 0;
    // Flushes the encoder, closes the file and renames it over the target. Frames added
    // after it are refused.
    [[nodiscard]] virtual Result<void> finish() = 0;

    // Frames written so far, each repeat counted.
    virtual long long frames() const = 0;
};

}  // namespace trochograph
