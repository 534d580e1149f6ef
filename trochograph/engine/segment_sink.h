// The drawing seam: the renderer hands each segment of a curve to a sink. The canvas is one
// sink; the drawing record replays its curves, and the circles' figures between them, into
// others (SVG, smooth pictures, tests).
#pragma once

#include "common/colorref.h"
#include "common/geometry.h"
#include "common/surface.h"
#include "engine/figures.h"

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
    // Once a step, after its segment, when the angle has moved on and before the rolling
    // ellipse changes shape: the moment the animated circles show.
    virtual void advanced() {}
};

// Everything a drawing record holds: the segments and the figures of the circles, each
// drawn over what came before it.
class DrawingSink : public SegmentSink {
public:
    virtual void figure(const EllipseOutline& f) = 0;
    virtual void figure(const StraightLine& f) = 0;
    virtual void figure(const PenDot& f) = 0;
};

// Joins segments into polylines for vector output: a segment that starts where the last
// one ended, in the same colour and pen, continues it; a new colour or pen starts a run,
// and a figure ends it, so that the figure lies over the run and under what follows.
class PolylineSink : public DrawingSink {
public:
    void segment(const Segment& s) final
    {
        const bool samePen = open_ && s.color == color_ && s.width == width_;
        if (!samePen) {
            endRun();
            startRun(s.color, s.width);
            open_ = true;
            color_ = s.color;
            width_ = s.width;
        }
        if (!samePen || s.x0 != lastX_ || s.y0 != lastY_) moveTo(s.x0, s.y0);
        lineTo(s.x1, s.y1);
        lastX_ = s.x1;
        lastY_ = s.y1;
    }
    void figure(const EllipseOutline& f) final
    {
        endRun();
        outline(f);
    }
    void figure(const StraightLine& f) final
    {
        endRun();
        line(f);
    }
    void figure(const PenDot& f) final
    {
        endRun();
        dot(f);
    }
    // Completes the open run, if any; called after the last segment too.
    void endRun()
    {
        if (open_) finishRun();
        open_ = false;
    }

protected:
    // A run of one colour and pen begins; the last one, if any, was finished.
    virtual void startRun(Colorref color, int width) = 0;
    virtual void moveTo(double x, double y) = 0;
    virtual void lineTo(double x, double y) = 0;
    virtual void finishRun() = 0;
    virtual void outline(const EllipseOutline& f) = 0;
    virtual void line(const StraightLine& f) = 0;
    virtual void dot(const PenDot& f) = 0;

private:
    bool open_ = false;
    Colorref color_ = 0;
    int width_ = 0;
    double lastX_ = 0.0, lastY_ = 0.0;
};

// Draws segments as the raster draws them: a line of the pen width, round ends; and the
// figures as the circle animation draws them.
class CanvasSink final : public DrawingSink {
public:
    explicit CanvasSink(Surface& canvas) : canvas_(canvas) {}
    void segment(const Segment& s) override { canvas_.line(s.from, s.to, s.width, s.color); }
    void figure(const EllipseOutline& f) override { draw(canvas_, f); }
    void figure(const StraightLine& f) override { draw(canvas_, f); }
    void figure(const PenDot& f) override { draw(canvas_, f); }

private:
    Surface& canvas_;
};

}  // namespace trochograph
