#include "files/sand_track.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/c_numbers.h"
#include "files/path_simplifier.h"

namespace trochograph {

namespace {

constexpr double pi = std::numbers::pi;

// In table radii no coordinate comes near overflowing, so hypot's care isn't needed.
double length(double x, double y) { return std::sqrt(x * x + y * y); }

// Each recorded segment's ends, once each, in the order drawn.
class CurvePoints : public DrawingSink {
public:
    virtual void at(double x, double y) = 0;

    void segment(const Segment& s) override
    {
        if (!started_ || s.x0 != lastX_ || s.y0 != lastY_) at(s.x0, s.y0);
        at(s.x1, s.y1);
        started_ = true;
        lastX_ = s.x1;
        lastY_ = s.y1;
    }
    void figure(const EllipseOutline&) override {}
    void figure(const StraightLine&) override {}
    void figure(const PenDot&) override {}

private:
    bool started_ = false;
    double lastX_ = 0, lastY_ = 0;
};

double tableCentre(const DrawingRecord& record) { return (record.res() >> 1) + 0.5; }

class ReachFinder final : public CurvePoints {
public:
    explicit ReachFinder(double centre) : centre_(centre) {}
    void at(double x, double y) override
    {
        reach2 = std::max(reach2, (x - centre_) * (x - centre_) + (y - centre_) * (y - centre_));
    }
    double reach2 = 0;  // the square of the reach

private:
    double centre_;
};

// Theta-rho points of the chords between the simplified curve's points, each chord cut
// until the spiral between two cuts strays from it by no more than the tolerance.
class Spirals {
public:
    Spirals(double tolerance, TrackPoints& points) : tolerance_(tolerance), points_(points) {}

    // The first point, with the join from `from` to it.
    void begin(PlanePoint p, TrackEnd from)
    {
        theta_ = thetaOf(p, 0);
        points_.point(theta_, from == TrackEnd::centre ? 0 : 1, true);
        at_ = p;
        emit(p, false);
    }
    void chordTo(PlanePoint p)
    {
        cut(at_, p, theta_, length(at_.x, at_.y), 0);
        at_ = p;
    }
    void end(TrackEnd to) { points_.point(theta_, to == TrackEnd::centre ? 0 : 1, true); }

private:
    // Theta continued from `previous`, less than half a turn from it; at the centre, where
    // every theta is the same point, it stays.
    static double thetaOf(PlanePoint p, double previous)
    {
        if (p.x == 0 && p.y == 0) return previous;
        return previous + std::remainder(std::atan2(p.x, p.y) - previous, 2 * pi);
    }

    // The spiral r(t) = r0 + t dr, a(t) = a0 + t da strays from its chord by at most an
    // eighth of its largest second derivative, |(r da^2, 2 dr da)|.
    void cut(PlanePoint a, PlanePoint b, double thetaA, double rhoA, int depth)
    {
        const double thetaB = thetaOf(b, thetaA);
        const double rhoB = length(b.x, b.y);
        const double da = thetaB - thetaA, dr = rhoB - rhoA;
        const double strays = length(std::max(rhoA, rhoB) * da * da, 2 * dr * da) / 8;
        // Fifty halvings bring any chord on the table below a billionth of its radius.
        if (strays <= tolerance_ || depth == 50) {
            theta_ = thetaB;
            emit(b, false);
            return;
        }
        const PlanePoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
        cut(a, middle, thetaA, rhoA, depth + 1);
        cut(middle, b, theta_, length(middle.x, middle.y), depth + 1);
    }

    void emit(PlanePoint p, bool joining) { points_.point(theta_, std::min(1.0, length(p.x, p.y)), joining); }

    double tolerance_;
    TrackPoints& points_;
    PlanePoint at_;
    double theta_ = 0;
};

// The curve in table radii, y up, simplified with half the tolerance; the spirals take
// the other half.
class TrackPlanner final : public CurvePoints {
public:
    TrackPlanner(double centre, double scale, double tolerance, TrackEnd from, TrackPoints& points)
        : centre_(centre),
          scale_(scale),
          from_(from),
          points_(points),
          simplifier_(tolerance / 2),
          spirals_(tolerance / 2, points)
    {
    }

    void at(double x, double y) override
    {
        const PlanePoint p{(x - centre_) * scale_, (centre_ - y) * scale_};
        reach2_ = std::max(reach2_, p.x * p.x + p.y * p.y);
        if (!started_) {
            started_ = true;
            simplifier_.start(p);
            spirals_.begin(p, from_);
        } else if (const auto kept = simplifier_.add(p)) {
            spirals_.chordTo(*kept);
        }
    }
    double reach() const { return std::sqrt(reach2_); }

    void end(TrackEnd to)
    {
        // With nothing drawn, the track still starts and ends where it should.
        if (!started_) {
            points_.point(0, from_ == TrackEnd::centre ? 0 : 1, true);
            points_.point(0, to == TrackEnd::centre ? 0 : 1, true);
            return;
        }
        if (const auto last = simplifier_.finish()) spirals_.chordTo(*last);
        spirals_.end(to);
    }

private:
    double centre_, scale_;
    TrackEnd from_;
    TrackPoints& points_;
    PathSimplifier simplifier_;
    Spirals spirals_;
    bool started_ = false;
    double reach2_ = 0;  // the square of the farthest point's distance from the centre
};

}  // namespace

double trackReach(const DrawingRecord& record)
{
    ReachFinder finder(tableCentre(record));
    record.replay(finder);
    return std::sqrt(finder.reach2) / (record.res() / 2.0);
}

Error beyondTheTable(double reach)
{
    // Rounded up, so that a reach just beyond the edge doesn't read as 1.000.
    return {ErrorCode::badValue, "the curve reaches " + fixedText(std::ceil(reach * 1000) / 1000, 3) +
                                     " times the table's radius: fit it to the table or draw it smaller"};
}

Result<void> planTrack(const DrawingRecord& record, const PlotSettings& settings, double reach, double tolerance,
                       TrackPoints& points)
{
    const double scale = 1 / (record.res() / 2.0) / std::max(1.0, settings.fit ? reach : 1.0);
    TrackPlanner planner(tableCentre(record), scale, tolerance, settings.trackFrom, points);
    record.replay(planner);
    // Fitted, the farthest point lies on the edge, give or take a rounding.
    if (planner.reach() > 1 + 1e-9) return beyondTheTable(planner.reach());
    planner.end(settings.trackTo);
    return {};
}

}  // namespace trochograph
