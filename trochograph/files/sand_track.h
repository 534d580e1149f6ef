// The track a sand table's ball follows to draw the recorded curves, as theta-rho points.
//
// The convention is that of the theta-rho (.thr) files Sisyphus tables play and the web
// pattern generators write for them (Sandify's exporter computes theta as atan2(x, y)):
// rho is the distance from the table's centre, 0 there and 1 at its edge; theta is in
// radians from the +y axis towards +x, so x = rho sin theta and y = rho cos theta with y
// up, and it runs on without wrapping at 2 pi, since the table turns its arm by the
// difference between two lines. Between two points the table moves theta and rho in
// step, along an Archimedean spiral.
//
// The table is the circle inscribed in the canvas, about the curve's centre. Its ball
// draws everything it passes over, so the curve's runs are joined by straight lines and the
// track joins its ends to the centre or the edge, as tables expect, along a radius: the
// spiral without a turn.
#pragma once

#include "common/result.h"
#include "engine/drawing_record.h"
#include "files/plot_settings.h"

namespace trochograph {

class TrackPoints {
public:
    virtual ~TrackPoints() = default;
    // The next point; `joining` for the track's joins to the centre or the edge (and the
    // point they start from), false for the curve.
    virtual void point(double theta, double rho, bool joining) = 0;
};

// The farthest the curve reaches from the table's centre, in table radii.
double trackReach(const DrawingRecord& record);

// The track, its spirals within `tolerance` of the curve, which is given in table radii.
// With settings.fit a curve reaching beyond the edge is scaled in to it, `reach` being
// trackReach's (which costs a replay of its own, so it is asked for only then). Without,
// such a curve is refused (badValue) with its reach named once all of it has been
// handed on, so that the refusal costs no second replay: what was handed on is dropped.
Result<void> planTrack(const DrawingRecord& record, const PlotSettings& settings, double reach, double tolerance,
                       TrackPoints& points);

// "the curve reaches 1.250 times the table's radius: fit it to the table or draw it
// smaller": the refusal of a curve reaching `reach` table radii.
Error beyondTheTable(double reach);

}  // namespace trochograph
