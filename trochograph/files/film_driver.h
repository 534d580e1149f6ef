// The one way a drawing becomes a film: the writer opened for the canvas's film size, a
// frame of the canvas as it stands whenever the drawing asks, the progress told and a
// cancel heard after each, and the finished picture held a second before the file is put
// in place. A curve's film and a show preset's film both drive it.
#pragma once

#include <filesystem>
#include <memory>

#include "common/progress.h"
#include "common/result.h"
#include "common/surface.h"
#include "files/film_framer.h"
#include "files/video_writer.h"

namespace trochograph {

struct FilmSetup {
    int fps = 30;
    int side = 0;  // the film's picture; 0 for the canvas's own (at most maxFilmSide)
    Colorref background = 0;  // the padding of an odd side
};

class FilmDriver {
public:
    // Opens `path` (its extension names the format) for a film of `canvas`, which the
    // drawing changes between frames. Refuses an unknown extension and what
    // VideoWriter::open refuses. `progress` may be empty.
    [[nodiscard]] static Result<std::unique_ptr<FilmDriver>> open(const std::filesystem::path& path, Surface& canvas,
                                                                  const FilmSetup& setup, ProgressReport progress);

    // Tells the progress `done` (0 to 1); ErrorCode::cancelled when it asks to stop.
    [[nodiscard]] Result<void> report(double done);
    // The canvas as it stands, shown `times` frame times, then report(done).
    [[nodiscard]] Result<void> frame(int times, double done);
    // The finished picture held a second, and the file put in place.
    [[nodiscard]] Result<void> finish();

    const FilmSize& size() const { return size_; }

private:
    FilmDriver(std::unique_ptr<VideoWriter> writer, Surface& canvas, const FilmFormat& format, FilmSize size,
               const FilmSetup& setup, ProgressReport progress);

    std::unique_ptr<VideoWriter> writer_;
    FilmSize size_;
    FilmFramer framer_;
    int fps_;
    ProgressReport progress_;
};

}  // namespace trochograph
