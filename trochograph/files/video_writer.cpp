#include "files/video_writer.h"

#include <string>

#include "files/ffmpeg_film.h"

namespace trochograph {

namespace {

Error refused(std::string message) { return {ErrorCode::writeFailed, std::move(message)}; }

}  // namespace

Result<std::unique_ptr<VideoWriter>> VideoWriter::open(const std::filesystem::path& path, VideoKind kind, int side,
                                                       int fps)
{
    if (side < minFilmSide || side > maxFilmSide)
        return refused("a film's side must be " + std::to_string(minFilmSide) + " to " + std::to_string(maxFilmSide) +
                       " pixels, not " + std::to_string(side));
    if (filmFormat(kind).evenSide && side % 2 != 0)
        return refused(std::string(filmFormat(kind).codec) + " needs an even side, not " + std::to_string(side));
    if (fps < minFps || fps > maxFps)
        return refused("fps must be " + std::to_string(minFps) + " to " + std::to_string(maxFps) + ", not " +
                       std::to_string(fps));
    return openFfmpegFilm(path, kind, side, fps);
}

}  // namespace trochograph
