// The segments and figures of a drawing two ways: as a replay hands them over, and as an
// SVG document's elements draw them, read back from the text.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "engine/segment_sink.h"
#include "files/svg_export.h"

namespace trochograph::test {

struct SegmentList final : DrawingSink {
    void segment(const Segment& s) override { segments.push_back(s); }
    void figure(const EllipseOutline& f) override { add(f); }
    void figure(const StraightLine& f) override { add(f); }
    void figure(const PenDot& f) override
    {
        if (f.touchesClip()) add(f);  // else the raster draws none of it
    }
    void add(const Figure& f)
    {
        figures.push_back(f);
        segmentsBefore.push_back(segments.size());
    }
    std::vector<Segment> segments;
    std::vector<Figure> figures;
    std::vector<std::size_t> segmentsBefore;  // of each figure
};

// The whole document as text.
inline std::string svgText(const DrawingRecord& record, std::string_view parameters)
{
    MemorySink sink;
    if (!encodeSvg(record, sink, parameters)) return {};
    return {sink.data.begin(), sink.data.end()};
}

// "#rrggbb" as a colour word.
inline Colorref colorOf(const std::string& text)
{
    if (text.size() != 7) return invalidColor;
    return rgb(std::stoi(text.substr(1, 2), nullptr, 16), std::stoi(text.substr(3, 2), nullptr, 16),
               std::stoi(text.substr(5, 2), nullptr, 16));
}

// Each L of a path is a segment from the point before it, in the path's colour and pen.
inline std::vector<Segment> segmentsOf(const std::string& svg)
{
    std::vector<Segment> out;
    const std::regex path(R"re(<path stroke="(#[0-9a-f]{6})" stroke-width="(\d+)" d="([^"]*)"/>)re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator(); ++it) {
        const Colorref c = colorOf((*it)[1]);
        const int width = std::stoi((*it)[2]);
        const std::string d = (*it)[3];
        const char* p = d.c_str();
        double x = 0, y = 0;
        while (*p) {
            while (*p == ' ') ++p;
            const char command = *p++;
            char* end = nullptr;
            const double nx = std::strtod(p, &end);
            const double ny = std::strtod(end, &end);
            p = end;
            if (command == 'L') out.push_back({x, y, nx, ny, {}, {}, width, c});
            x = nx;
            y = ny;
        }
    }
    return out;
}

// The figures of a document, back in the raster's pixels (a dot without its clip), with
// the number of segments drawn before each.
struct SvgFigures {
    std::vector<Figure> figures;
    std::vector<std::size_t> segmentsBefore;
};

inline SvgFigures figuresOf(const std::string& svg)
{
    SvgFigures out;
    std::size_t segments = 0;
    const std::regex element(R"re(<(path|circle|ellipse|line)( [^>]*)/>)re");
    const std::regex attribute(R"re( ([\w-]+)="([^"]*)")re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
        const std::string tag = (*it)[1], attributes = (*it)[2];
        std::map<std::string, std::string> a;
        for (auto at = std::sregex_iterator(attributes.begin(), attributes.end(), attribute);
             at != std::sregex_iterator(); ++at)
            a[(*at)[1]] = (*at)[2];
        if (tag == "path") {
            segments += static_cast<std::size_t>(std::count(a["d"].begin(), a["d"].end(), 'L'));
            continue;
        }
        auto number = [&](const char* name) { return std::strtod(a[name].c_str(), nullptr); };
        // A pixel's coordinate from its centre's.
        auto pixel = [&](const char* name) { return static_cast<int>(number(name) - 0.5); };
        const bool dot = a.contains("fill");
        const Colorref color = colorOf(a[dot ? "fill" : "stroke"]);
        const int width = std::atoi(a["stroke-width"].c_str());
        if (dot) {
            out.figures.push_back(PenDot{{pixel("cx"), pixel("cy")}, {}, color});
        } else if (tag == "line") {
            out.figures.push_back(StraightLine{{pixel("x1"), pixel("y1")}, {pixel("x2"), pixel("y2")}, width, color});
        } else {
            const double rx = number(tag == "circle" ? "r" : "rx"), ry = number(tag == "circle" ? "r" : "ry");
            const double cx = number("cx") - 0.5, cy = number("cy") - 0.5;
            const Rect box{static_cast<int>(cx - rx), static_cast<int>(cy - ry), static_cast<int>(cx + rx),
                           static_cast<int>(cy + ry)};
            out.figures.push_back(EllipseOutline{box, width, color});
        }
        out.segmentsBefore.push_back(segments);
    }
    return out;
}

// The figures a replay gives are those of the document, in the same places among the
// segments: boxes with their corners in either order, dots whatever their clip.
inline bool sameFigures(const SvgFigures& svg, const SegmentList& replayed)
{
    if (svg.figures.size() != replayed.figures.size() || svg.segmentsBefore != replayed.segmentsBefore) return false;
    for (std::size_t i = 0; i < svg.figures.size(); ++i) {
        Figure expected = replayed.figures[i];
        if (auto* e = std::get_if<EllipseOutline>(&expected)) {
            const Rect b = e->box;
            e->box = {std::min(b.left, b.right), std::min(b.top, b.bottom), std::max(b.left, b.right),
                      std::max(b.top, b.bottom)};
        }
        if (auto* d = std::get_if<PenDot>(&expected)) d->clip = {};
        if (svg.figures[i] != expected) return false;
    }
    return true;
}

// Same ends, colour and pen, in the same order.
inline bool sameSegments(const std::vector<Segment>& a, const std::vector<Segment>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].x0 != b[i].x0 || a[i].y0 != b[i].y0 || a[i].x1 != b[i].x1 || a[i].y1 != b[i].y1 ||
            a[i].color != b[i].color || a[i].width != b[i].width)
            return false;
    return true;
}

}  // namespace trochograph::test
