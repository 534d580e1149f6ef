// What the circle animation leaves in the canvas, as figures rather than pixels: the outline
// of an ellipse, a straight line and the pen-tip dot, each drawn by the raster as draw()
// says. Their points are pixels; a vector picture puts a pixel at its centre, half a pixel
// in from its top-left corner, where the curve's exact points lie too.
#pragma once

#include <cmath>
#include <variant>

#include "common/colorref.h"
#include "common/drawdot.h"
#include "common/geometry.h"
#include "common/surface.h"

namespace trochograph {

// The ellipse that fits `box` (corners in either order), as Surface::ellipseOutline draws it.
struct EllipseOutline {
    Rect box;
    int width = 1;
    Colorref color = 0;
    friend bool operator==(const EllipseOutline&, const EllipseOutline&) = default;
};

struct StraightLine {
    Point from, to;
    int width = 1;
    Colorref color = 0;
    friend bool operator==(const StraightLine&, const StraightLine&) = default;
};

// The dot drawdot() sets around `at`, only its pixels inside `clip`.
struct PenDot {
    Point at;
    Rect clip;
    Colorref color = 0;
    friend bool operator==(const PenDot&, const PenDot&) = default;

    // The dot's pixels lie within two of `at` along each axis: the clip lets all of them
    // through when it holds that square, and none (near enough for a vector picture) when
    // it misses it.
    bool wholeInside() const
    {
        const long long x = at.x, y = at.y;
        return clip.left <= x - 2 && clip.top <= y - 2 && clip.right >= x + 3 && clip.bottom >= y + 3;
    }
    bool touchesClip() const
    {
        const long long x = at.x, y = at.y;
        return !clip.empty() && clip.left < x + 3 && clip.right > x - 2 && clip.top < y + 3 && clip.bottom > y - 2;
    }
};

using Figure = std::variant<EllipseOutline, StraightLine, PenDot>;

inline void draw(Surface& target, const EllipseOutline& f) { target.ellipseOutline(f.box, f.width, f.color); }
inline void draw(Surface& target, const StraightLine& f) { target.line(f.from, f.to, f.width, f.color); }
inline void draw(Surface& target, const PenDot& f) { drawdot(target, f.at.x, f.at.y, f.clip, f.color); }

// Where a vector picture puts the centre of pixel coordinate v.
inline double pixelCentre(int v) { return v + 0.5; }

// An ellipse outline in a vector picture's coordinates.
struct VectorEllipse {
    double cx, cy, rx, ry;
};
inline VectorEllipse vectorEllipse(const Rect& box)
{
    const double left = box.left, right = box.right, top = box.top, bottom = box.bottom;
    return {(left + right) / 2 + 0.5, (top + bottom) / 2 + 0.5, std::abs(right - left) / 2,
            std::abs(bottom - top) / 2};
}

}  // namespace trochograph
