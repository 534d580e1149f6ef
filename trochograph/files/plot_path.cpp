#include "files/plot_path.h"

#include <cmath>
#include <optional>

namespace trochograph {

PlotMapping::PlotMapping(int res, const PlotSettings& settings)
    : centre((res >> 1) + 0.5),
      scale(settings.size / res),
      offset(settings.origin == PlotOrigin::corner ? settings.size / 2 : 0),
      low(offset - settings.size / 2),
      high(offset + settings.size / 2)
{
}

PlanePoint PlotMapping::operator()(double x, double y) const
{
    return {(x - centre) * scale + offset, (centre - y) * scale + offset};
}

double roundingMargin(double unit, int decimals)
{
    // Each coordinate moves by half its last digit at most.
    return unit * 0.5 * std::pow(10.0, -decimals) * std::sqrt(2.0);
}

namespace {

// The piece of segment a-b inside the square [low, high]², by Liang and Barsky's clipping;
// nothing when it lies outside.
std::optional<std::pair<PlanePoint, PlanePoint>> clipped(PlanePoint a, PlanePoint b, double low, double high)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - low, high - a.x, a.y - low, high - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
    const auto at = [&](double t) { return PlanePoint{a.x + t * dx, a.y + t * dy}; };
    return std::pair{t0 == 0 ? a : at(t0), t1 == 1 ? b : at(t1)};
}

class PlotPlanner final : public PolylineSink {
public:
    PlotPlanner(const PlotMapping& map, double tolerance, bool penChange, PlotMoves& moves)
        : map_(map), simplifier_(tolerance), moves_(moves), penChange_(penChange)
    {
    }

    void endPath()
    {
        if (!drawing_) return;
        const std::optional<PlanePoint> last = simplifier_.finish();
        moves_.draw(last ? *last : pathStart_);
        drawing_ = false;
    }

private:
    // With one pen the path goes on through a change of colour; with a pen a colour, the
    // pen lifts for the next.
    void startRun(Colorref color, int) override
    {
        if (first_ || (penChange_ && color != color_)) {
            endPath();
            moves_.run(color, first_);
        }
        first_ = false;
        color_ = color;
    }
    void moveTo(double x, double y) override
    {
        last_ = map_(x, y);
        if (last_ != reached_) endPath();
    }
    void lineTo(double x, double y) override
    {
        const PlanePoint to = map_(x, y);
        const auto inside = clipped(last_, to, map_.low, map_.high);
        last_ = to;
        if (!inside) return endPath();
        if (!drawing_ || inside->first != reached_) {
            endPath();
            moves_.travel(inside->first);
            simplifier_.start(inside->first);
            pathStart_ = inside->first;
            drawing_ = true;
        }
        if (const auto kept = simplifier_.add(inside->second)) moves_.draw(*kept);
        reached_ = inside->second;
        // Leaving the square, the pen lifts where it crossed the edge.
        if (inside->second != to) endPath();
    }
    void finishRun() override {}
    void outline(const EllipseOutline&) override {}
    void line(const StraightLine&) override {}
    void dot(const PenDot&) override {}

    const PlotMapping& map_;
    PathSimplifier simplifier_;
    PlotMoves& moves_;
    bool penChange_;
    bool first_ = true;
    Colorref color_ = 0;
    bool drawing_ = false;  // the pen is down on a path
    PlanePoint last_;       // the curve's last point, inside the square or not
    PlanePoint reached_;    // where the pen's path has come to
    PlanePoint pathStart_;
};

}  // namespace

void planPlot(const DrawingRecord& record, const PlotSettings& settings, double tolerance, PlotMoves& moves)
{
    const PlotMapping map(record.res(), settings);
    PlotPlanner planner(map, tolerance, settings.penChange, moves);
    record.replay(planner);
    planner.endRun();
    planner.endPath();
}

}  // namespace trochograph
