// A film's frames from a canvas that is drawn between them: the canvas scaled down with an
// area filter when the film is smaller (each frame pixel the mean of the canvas pixels it
// covers, partly covered ones in proportion), and padded with the background to the frame's
// side. For a format of 256 colours a frame the filter keeps the canvas's colours instead:
// a frame pixel shows the drawn colour that covers most of it, once the drawing covers as
// much of it as half a canvas pixel's width of line does, and the background otherwise.
// Blends would overflow the GIF's table every frame, costing a table of its own and the
// whole frame encoded again; this way a line stays unbroken and in its own colour. The framer watches the canvas and recomputes only the tiles drawn since the last
// frame, so a 9600-pixel canvas costs a frame in proportion to what was drawn, not to its
// size.
#pragma once

#include <cstdint>
#include <vector>

#include "common/span_recorder.h"
#include "common/surface.h"
#include "files/film_formats.h"

namespace trochograph {

class FilmFramer {
public:
    // `canvas` is square and stays alive and of its size while the framer is; `size.picture`
    // is at most its side.
    FilmFramer(Surface& canvas, FilmSize size, Colorref background, bool keepColours = false);
    ~FilmFramer();
    FilmFramer(const FilmFramer&) = delete;
    FilmFramer& operator=(const FilmFramer&) = delete;

    // The canvas as it is now, as a frame of size.frame pixels square: the canvas itself
    // when it is the frame.
    const Surface& frame();

private:
    // Where one frame pixel's row or column reads the canvas: `count` canvas pixels from
    // `first`, with the weights at `weights` (summing to 1).
    struct Taps {
        int first = 0;
        int count = 0;
        std::size_t weights = 0;
    };
    static constexpr int tile = 16;  // frame pixels a side

    void markChanged();
    void markTiles(int y, int x0, int x1);
    void copyChanges();
    void filterTile(int tx, int ty);
    // The frame pixel (x, y) from the canvas pixels it covers, by the filter chosen.
    Colorref meanOf(int x, int y) const;
    Colorref drawnColourOf(int x, int y) const;

    Surface& canvas_;
    FilmSize size_;
    SpanRecorder changes_;
    Surface frame_;
    bool scaled_;
    Colorref background_;
    bool keepColours_;
    float lineCover_ = 0;                // the cover of half a canvas pixel's width across a frame pixel
    std::vector<Taps> taps_;             // by frame pixel, the same across and down
    std::vector<float> weights_;
    std::vector<int> firstTouched_;      // by canvas pixel: the first frame pixel it falls in
    std::vector<int> lastTouched_;       // and the last
    int tiles_;                          // a side
    std::vector<std::uint8_t> dirty_;    // by tile
};

}  // namespace trochograph
