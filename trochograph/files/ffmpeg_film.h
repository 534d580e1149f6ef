// The film writer on FFmpeg's libraries: one encoder, its muxer writing to a temporary file
// beside the target, and the frames turned into what the encoder takes. VideoWriter::open
// has checked the side and fps before this is asked for.
#pragma once

#include <filesystem>
#include <memory>

#include "files/video_writer.h"

namespace trochograph {

// The centisecond at which frame time `frame` starts in a GIF film of `fps` frames a second,
// rounded to the nearest (halves up): rounding each start rather than each frame's length
// keeps the whole film as long as asked, with lengths such as 3, 3, 4 at 30 fps.
inline long long gifCentisecond(long long frame, int fps) { return (frame * 200 + fps) / (2 * fps); }

// A GIF frame shown for less than this many centiseconds is dropped, the next frame taking
// its time (browsers show shorter frames for a tenth of a second): at 51 to 60 fps some
// frames are never shown, and the film keeps its length. The last frame is always shown.
inline constexpr long long minGifDelay = 2;

[[nodiscard]] Result<std::unique_ptr<VideoWriter>> openFfmpegFilm(const std::filesystem::path& path, VideoKind kind,
                                                                  int side, int fps);

}  // namespace trochograph
