#include "files/film_driver.h"

namespace trochograph {

Result<std::unique_ptr<FilmDriver>> FilmDriver::open(const std::filesystem::path& path, Surface& canvas,
                                                     const FilmSetup& setup, ProgressReport progress)
{
    const std::optional<VideoKind> kind = videoKindOf(path);
    if (!kind) return Error{ErrorCode::usage, "a film must end in " + filmExtensionList()};
    const FilmSize size = filmSizeOf(*kind, canvas.width(), setup.side);
    Result<std::unique_ptr<VideoWriter>> writer = VideoWriter::open(path, *kind, size.frame, setup.fps);
    if (!writer) return writer.error();
    return std::unique_ptr<FilmDriver>(
        new FilmDriver(std::move(*writer), canvas, filmFormat(*kind), size, setup, std::move(progress)));
}

FilmDriver::FilmDriver(std::unique_ptr<VideoWriter> writer, Surface& canvas, const FilmFormat& format, FilmSize size,
                       const FilmSetup& setup, ProgressReport progress)
    : writer_(std::move(writer)),
      size_(size),
      framer_(canvas, size, setup.background, format.paletted),
      fps_(setup.fps),
      progress_(std::move(progress))
{
}

Result<void> FilmDriver::report(double done)
{
    if (progress_ && !progress_(done)) return Error{ErrorCode::cancelled, "the film was stopped"};
    return {};
}

Result<void> FilmDriver::frame(int times, double done)
{
    if (Result<void> added = writer_->addFrame(framer_.frame(), times); !added) return added;
    return report(done);
}

Result<void> FilmDriver::finish()
{
    if (Result<void> held = writer_->addFrame(framer_.frame(), fps_); !held) return held;
    return writer_->finish();
}

}  // namespace trochograph
