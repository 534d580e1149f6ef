// The drawing seam: the renderer hands each segment of a curve to a sink. The canvas is one
// sink; the drawing record replays its curves into others (SVG, smooth pictures, tests).
#pragma once

#include "colorref.h"
#include "geometry.h"
#include "surface.h"

namespace trochograph {

struct Segment {
    // The exact ends in canvas coordinates: the canvas centre is the middle of pixel
    // (halfres, halfres), so a point lies in the pixel the raster puts it in or next to it
    // (the raster truncates toward the centre).
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
    Point from, to;  // the pixels the raster joins
    int width = 1;   // pen width in pixels
    Colorref color = 0;
};

class SegmentSink {
public:
    virtual ~SegmentSink() = default;
    virtual void segment(const Segment& s) = 0;
};

// Draws segments as the raster draws them: a line of the pen width, round ends.
class CanvasSink final : public SegmentSink {
public:
    explicit CanvasSink(Surface& canvas) : canvas_(canvas) {}
    void segment(const Segment& s) override { canvas_.line(s.from, s.to, s.width, s.color); }

private:
    Surface& canvas_;
};

}  // namespace trochograph
