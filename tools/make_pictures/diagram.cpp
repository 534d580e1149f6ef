#include "diagram.h"

#include <cmath>
#include <vector>

#include "common/drawdot.h"
#include "common/surface.h"
#include "common/trunc_int.h"
#include "curve_canvas.h"
#include "engine/rotate.h"
#include "help_style.h"

namespace trochograph::pictures {

namespace {

int roundToInt(double v) { return truncToInt(std::floor(v + 0.5)); }

int codePoints(const std::string& text)
{
    int n = 0;
    for (unsigned char byte : text) n += (byte & 0xC0) != 0x80;
    return n;
}

}  // namespace

Vec polar(double length, double angle) { return {length * std::cos(angle), length * std::sin(angle)}; }
double lengthOf(Vec v) { return std::hypot(v.x, v.y); }
double angleOf(Vec v) { return std::atan2(v.y, v.x); }

Vec leftOf(Vec a, Vec b)
{
    const Vec ab = b - a;
    const double length = lengthOf(ab);
    return length == 0.0 ? Vec{} : Vec{-ab.y / length, ab.x / length};
}

Vec beside(Vec a, Vec b, double offset, double along) { return a + (b - a) * along + leftOf(a, b) * offset; }

Point Diagram::pixel(Vec p) const { return {origin_.x + roundToInt(p.x), origin_.y + roundToInt(-p.y)}; }

void Diagram::line(Vec from, Vec to, Colorref c, int pen)
{
    const Point b = pixel(to);
    surface().line(pixel(from), b, pen, c);
    // A thin line leaves its last pixel out.
    if (pen <= 1) surface().setPixel(b.x, b.y, c);
}

void Diagram::polyline(std::span<const Vec> points, Colorref c, int pen)
{
    if (points.empty()) return;
    std::vector<Point> pixels;
    pixels.reserve(points.size());
    for (Vec p : points) pixels.push_back(pixel(p));
    surface().polyline(pixels, pen, c);
    if (pen <= 1) surface().setPixel(pixels.back().x, pixels.back().y, c);
}

void Diagram::dashedLine(Vec from, Vec to, Colorref c)
{
    const double length = lengthOf(to - from);
    if (length == 0.0) return;
    const Vec step = (to - from) * (1.0 / length);
    for (double s = 0.0; s < length; s += 7.0) line(from + step * s, from + step * std::fmin(s + 3.0, length), c);
}

void Diagram::circle(Vec centre, double radius, Colorref c, int pen)
{
    const Point p = pixel(centre);
    const int r = roundToInt(radius);
    surface().ellipseOutline({p.x - r, p.y - r, p.x + r, p.y + r}, pen, c);
}

void Diagram::ellipse(Vec centre, double a, double b, double turn, Colorref c)
{
    constexpr int steps = 240;
    std::vector<Vec> outline;
    for (int i = 0; i <= steps; ++i) {
        const double u = twoPi * i / steps;
        const Vec own{a * std::cos(u), b * std::sin(u)};
        outline.push_back(centre + polar(lengthOf(own), angleOf(own) + turn));
    }
    polyline(outline, c, 1);
}

void Diagram::angle(Vec vertex, double radius, double from, double to, Colorref c)
{
    const Point p = pixel(vertex);
    const int r = roundToInt(radius);
    // Far points give the raster the sweep's directions to better than a pixel.
    surface().arc({p.x - r, p.y - r, p.x + r, p.y + r}, pixel(vertex + polar(100 * radius, from)),
                  pixel(vertex + polar(100 * radius, to)), 1, c);
}

void Diagram::dot(Vec p, Colorref c, int size)
{
    const Point q = pixel(p);
    if (size >= 5) {
        drawdot(surface(), q.x, q.y, surface().bounds(), c);
        return;
    }
    surface().fillRect({q.x - 1, q.y - 1, q.x + 2, q.y + 2}, c);
}

void Diagram::curves(const CurveCanvas& canvas, Colorref clear)
{
    const Surface& src = canvas.canvas();
    const int half = src.width() >> 1;
    for (int y = 0; y < src.height(); ++y) {
        const Colorref* row = src.row(y);
        for (int x = 0; x < src.width(); ++x)
            if (row[x] != clear) surface().setPixel(origin_.x + x - half, origin_.y + half - y, row[x]);
    }
}

void Diagram::label(const std::string& text, Vec at, Colorref c, Vec away)
{
    constexpr int size = help::variableSize;
    constexpr int reach = 12;
    Rect box = labelBox(text, pixel(at), size);
    for (int step = 1; step <= reach && !clear(box); ++step) {
        const Rect further = labelBox(text, pixel(at + away * step), size);
        if (clear(further)) box = further;
    }
    picture_.captions.push_back({text, box, size, c, false, Typeface::serif, true});
}

bool Diagram::clear(const Rect& box) const
{
    const Surface& s = picture_.surface;
    if (box.intersected(s.bounds()) != box) return false;
    for (const Caption& other : picture_.captions)
        if (!box.intersected(other.box).empty()) return false;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (s.pixel(x, y) != help::ground) return false;
    return true;
}

void Diagram::note(const std::string& text, const Rect& box, Colorref c, int size)
{
    picture_.captions.push_back({text, box, size, c, false, Typeface::sans, false});
}

Rect labelBox(const std::string& text, Point centre, int pixelSize)
{
    const int width = truncToInt(std::ceil(0.6 * pixelSize * codePoints(text))) + 2;
    // Qt centres the whole line, ascent and descent, in the box.
    const int height = pixelSize + 2;
    const int left = centre.x - width / 2;
    const int top = centre.y - height / 2;
    return {left, top, left + width, top + height};
}

}  // namespace trochograph::pictures
