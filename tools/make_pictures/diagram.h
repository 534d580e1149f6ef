// Construction drawings for the help pictures: points in pixels relative to an origin, with
// y growing upwards and angles counterclockwise from the x axis as in the formulas, drawn
// with the raster; labels become captions of the picture.
#pragma once

#include <span>
#include <string>

#include "common/colorref.h"
#include "common/geometry.h"
#include "drawn_picture.h"

namespace trochograph::pictures {

class CurveCanvas;

struct Vec {
    double x = 0.0;
    double y = 0.0;
};

inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator-(Vec a) { return {-a.x, -a.y}; }
inline Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
// The point `length` away from the origin in the direction `angle`.
Vec polar(double length, double angle);
double lengthOf(Vec v);
double angleOf(Vec v);
// The unit vector square to the segment from `a` to `b`, to its left as seen walking from
// `a` to `b`.
Vec leftOf(Vec a, Vec b);
// The point `offset` to the left of the segment from `a` to `b`, level with the fraction
// `along` of the way; a negative offset lies to the right. Where the labels of lengths go.
Vec beside(Vec a, Vec b, double offset, double along = 0.5);

class Diagram {
public:
    // Point (0, 0) lies at the centre of pixel `origin` of the picture.
    Diagram(Picture& picture, Point origin) : picture_(picture), origin_(origin) {}

    Point pixel(Vec p) const;

    // Solid lines and outlines, `pen` pixels wide; a thin line includes both ends.
    void line(Vec from, Vec to, Colorref c, int pen = 1);
    void polyline(std::span<const Vec> points, Colorref c, int pen);
    // Thin, four pixels on and three off, starting with a dash at `from`.
    void dashedLine(Vec from, Vec to, Colorref c);
    void circle(Vec centre, double radius, Colorref c, int pen = 1);
    // A thin ellipse with semi-axes a and b, its a axis turned `turn` from the x axis.
    void ellipse(Vec centre, double a, double b, double turn, Colorref c);
    // The thin arc of radius `radius` about `vertex` from the direction `from`
    // counterclockwise to the direction `to`.
    void angle(Vec vertex, double radius, double from, double to, Colorref c);
    // A filled dot `size` pixels across (3 or 5).
    void dot(Vec p, Colorref c, int size = 3);

    // An engine canvas turned upside down, so that the engine's y axis points up as here,
    // with the canvas centre on the origin; its pixels of colour `clear` are left out.
    void curves(const CurveCanvas& canvas, Colorref clear);

    // The name of a variable in italic serif, in a box sized for it, centred on `at` or,
    // where the box would touch anything drawn or another label, on the first point clear
    // of them on the way from `at` in the direction `away` (a unit vector), up to a dozen
    // pixels off. Draw the lines first.
    void label(const std::string& text, Vec at, Colorref c, Vec away = {});
    // Plain text centred in a box given in picture pixels.
    void note(const std::string& text, const Rect& box, Colorref c, int size);

private:
    Surface& surface() { return picture_.surface; }
    bool clear(const Rect& box) const;

    Picture& picture_;
    Point origin_;
};

// The box a label of `text` (UTF-8) at `pixelSize` takes, centred on `centre`: a pixel or
// so clear of the ink of DejaVu Serif Italic and DejaVu Sans.
Rect labelBox(const std::string& text, Point centre, int pixelSize);

}  // namespace trochograph::pictures
