// Machine files read back: the moves of a G-code plot with the pen's state and feed of
// each, and the points of a theta-rho track.
#pragma once

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "engine/segment_sink.h"
#include "files/path_simplifier.h"

namespace trochograph::test {

struct PlotMove {
    PlanePoint from, to;
    bool down;    // the pen touches the paper
    double feed;  // the modal feed of the move
};

struct ReadPlot {
    std::vector<PlotMove> moves;
    std::vector<std::string> comments;  // without the "; "
    int pauses = 0;                     // M0, with the pen up
    bool pausedWithPenDown = false;
    bool downAtEnd = false;
};

// The value after `letter` in a G-code line, if it has one.
inline bool wordValue(const std::string& line, char letter, double& value)
{
    const std::size_t code = line.find(';');
    const std::size_t at = line.substr(0, code).find(letter);
    if (at == std::string::npos) return false;
    value = std::strtod(line.c_str() + at + 1, nullptr);
    return true;
}

inline ReadPlot readGcode(const std::string& text, const std::string& penUp, const std::string& penDown)
{
    ReadPlot plot;
    std::istringstream in(text);
    std::string line;
    PlanePoint at;
    bool down = false;
    double feed = 0;
    while (std::getline(in, line)) {
        if (line.starts_with("; ")) plot.comments.push_back(line.substr(2));
        double f = 0;
        if (wordValue(line, 'F', f)) feed = f;
        if (line == penUp) down = false;
        else if (line == penDown) down = true;
        else if (line.starts_with("M0")) {
            ++plot.pauses;
            plot.pausedWithPenDown = plot.pausedWithPenDown || down;
        } else if (line.starts_with("G1 X")) {
            PlanePoint to;
            wordValue(line, 'X', to.x);
            wordValue(line, 'Y', to.y);
            plot.moves.push_back({at, to, down, feed});
            at = to;
        }
    }
    plot.downAtEnd = down;
    return plot;
}

struct TrackLine {
    double theta, rho;
};

inline std::vector<TrackLine> readTrack(const std::string& text)
{
    std::vector<TrackLine> track;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        TrackLine t{};
        std::istringstream(line) >> t.theta >> t.rho;
        track.push_back(t);
    }
    return track;
}

inline double distanceToSegment(PlanePoint p, PlanePoint a, PlanePoint b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The recorded curve's points, each segment's ends once, mapped by `map`.
template <class Map>
struct MappedCurve final : DrawingSink {
    explicit MappedCurve(Map m) : map(m) {}
    void segment(const Segment& s) override
    {
        const PlanePoint a = map(s.x0, s.y0), b = map(s.x1, s.y1);
        if (points.empty() || points.back() != a) points.push_back(a);
        points.push_back(b);
    }
    void figure(const EllipseOutline&) override {}
    void figure(const StraightLine&) override {}
    void figure(const PenDot&) override {}
    Map map;
    std::vector<PlanePoint> points;
};

}  // namespace trochograph::test
