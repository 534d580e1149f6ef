// The raster that every picture of the programs is drawn into: a width x height array of
// 0x00BBGGRR words, row by row from the top, with the few drawing operations the curves need.
//
// Coordinates are pixel positions: the pixel (x, y) covers the unit square whose centre is
// (x, y). Every operation clips to the surface and to its clip rectangle first and never
// writes outside them, whatever coordinates it is given.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "common/colorref.h"
#include "common/geometry.h"

namespace trochograph {

class SpanRecorder;

class Surface {
public:
    // Largest side accepted.
    static constexpr int maxSide = 32768;
    // Line and arc coordinates beyond this magnitude are outside what the raster draws
    // exactly: such a line is first cut to the square of this half-side (in floating point,
    // the cut points rounded to the nearest pixel), and its pixels may then differ by one
    // from the ideal; an arc whose box reaches beyond it draws nothing.
    static constexpr int coordinateLimit = 1 << 27;
    // Pens narrower than 1 draw as 1; wider than this draw as this.
    static constexpr int maxPenWidth = 1024;

    Surface() = default;
    // Throws std::length_error for a negative side or one above maxSide, and std::bad_alloc
    // when the pixels can't be had.
    Surface(int width, int height, Colorref fill = 0);
    // A copy has the pixels and the clip rectangle, but no recorders attached.
    Surface(const Surface& other);
    Surface& operator=(const Surface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    std::span<const Colorref> pixels() const { return pixels_; }
    // Row y, which must lie on the surface.
    const Colorref* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    // invalidColor when (x, y) lies outside the surface.
    Colorref pixel(int x, int y) const;
    friend bool operator==(const Surface& a, const Surface& b);

    // Changes the size in place and fills every pixel; attached recorders stay attached and
    // hear that everything changed. The clip rectangle is reset. Throws as the constructor.
    void reset(int width, int height, Colorref fill);

    // Writes are limited to this rectangle as well as to the surface; the default is the
    // whole surface.
    void setClip(const Rect& clip) { clip_ = clip; }
    void resetClip() { clip_ = unclipped; }
    Rect clip() const { return clip_.intersected(bounds()); }

    // A recorder hears of every run of pixels before it is written, after clipping.
    // The recorder must outlive its attachment.
    void attach(SpanRecorder& recorder);
    void detach(SpanRecorder& recorder);
    // A drawer that defers its drawing until the surface is shown (the circles' frame)
    // says so here, so that whoever shows the surface knows there is something to show.
    void expectDrawing();

    // One pixel.
    void setPixel(int x, int y, Colorref c);

    // Every pixel of `r`: left and top edges inside, right and bottom edges outside; an
    // empty rectangle fills nothing.
    void fillRect(const Rect& r, Colorref c);

    // A straight solid line from `from` to `to`.
    //
    // Pen width 1: one pixel per step along the major axis (x when |dx| >= |dy|, else y),
    // from `from` included to `to` excluded, so a line of length n sets n pixels and a
    // zero-length line sets none. At step i the minor coordinate is the exact position
    // rounded to the nearest pixel; a position exactly halfway goes to the smaller
    // coordinate (the upper or the left pixel).
    //
    // Pen width w >= 2: the pixels whose centres lie within w / 2 of the segment (round ends,
    // both end points included); a zero-length line is a round dot w pixels across. For an
    // even w the segment is taken half a pixel up and to the left of the given points, so
    // that a horizontal line covers exactly w rows (w / 2 above it and w / 2 - 1 below).
    void line(Point from, Point to, int penWidth, Colorref c);

    // Consecutive lines through the points. With pen width 1 only the last point is left
    // out; wider pens join the lines with round joins. Fewer than two points draw nothing.
    void polyline(std::span<const Point> points, int penWidth, Colorref c);

    // Outline of the ellipse that fits `box` (corners in either order): centre the middle of
    // the box, semi-axes half its width and half its height, so the outline's centre line
    // passes through the box edges' coordinates. With h = w / 2 for pen width w, a pixel is
    // set when its centre lies inside or on the ellipse whose semi-axes are h longer and
    // outside or on the one whose semi-axes are h shorter (when both are longer than h).
    // For a circle that is the ring of width w around the given radius. For an even w the
    // centre is taken half a pixel up and to the left, as for lines.
    //
    // `start` and `end` give the directions, from the centre, of the arc's ends; the outline
    // runs counterclockwise as seen on screen from the start to the end direction: it keeps
    // the pixels whose centres lie in that sweep as seen from the centre.
    // When the two give the same direction (in particular when they coincide), the whole
    // outline is drawn; a point at the centre counts as pointing right.
    void arc(const Rect& box, Point start, Point end, int penWidth, Colorref c);
    void ellipseOutline(const Rect& box, int penWidth, Colorref c) { arc(box, {}, {}, penWidth, c); }

    // Copies the pixels of `srcRect` in `src` so that its top-left corner lands at `dst`.
    // Pixels whose source lies outside `src` or whose destination lies outside this
    // surface or its clip rectangle are left alone. `src` may be this surface; the copy
    // then behaves as if taken from a snapshot.
    void blit(Point dst, const Surface& src, const Rect& srcRect);

    // Copies columns x0 to x1 - 1 of row y from `src` to the same place here, clipped like blit.
    void copySpan(const Surface& src, int y, int x0, int x1);

private:
    static constexpr Rect unclipped{-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647};

    Colorref* mutableRow(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    // Fills columns x0 to x1 - 1 of row y after clipping them to the clip rectangle.
    void fillSpan(int y, long long x0, long long x1, Colorref c);
    void notify(int y, int x0, int x1);
    // The two pens of line(), given end points within coordinateLimit.
    void thinLine(Point from, Point to, Colorref c);
    void wideLine(Point from, Point to, int penWidth, Colorref c);

    int width_ = 0;
    int height_ = 0;
    std::vector<Colorref> pixels_;
    Rect clip_ = unclipped;
    std::vector<SpanRecorder*> recorders_;
};

}  // namespace trochograph
