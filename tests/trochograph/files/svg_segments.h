// The segments of a drawing two ways: as a replay hands them over, and as an SVG
// document's paths draw them, read back from the text.
#pragma once

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "engine/segment_sink.h"
#include "files/svg_export.h"

namespace trochograph::test {

struct SegmentList final : DrawingSink {
    void segment(const Segment& s) override { segments.push_back(s); }
    void figure(const EllipseOutline& f) override { figures.push_back(f); }
    void figure(const StraightLine& f) override { figures.push_back(f); }
    void figure(const PenDot& f) override { figures.push_back(f); }
    std::vector<Segment> segments;
    std::vector<Figure> figures;
};

// The whole document as text.
inline std::string svgText(const DrawingRecord& record, std::string_view parameters)
{
    MemorySink sink;
    if (!encodeSvg(record, sink, parameters)) return {};
    return {sink.data.begin(), sink.data.end()};
}

// Each L of a path is a segment from the point before it, in the path's colour and pen.
inline std::vector<Segment> segmentsOf(const std::string& svg)
{
    std::vector<Segment> out;
    const std::regex path(R"re(<path stroke="(#[0-9a-f]{6})" stroke-width="(\d+)" d="([^"]*)"/>)re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator(); ++it) {
        const std::string color = (*it)[1];
        const Colorref c = rgb(std::stoi(color.substr(1, 2), nullptr, 16), std::stoi(color.substr(3, 2), nullptr, 16),
                               std::stoi(color.substr(5, 2), nullptr, 16));
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
