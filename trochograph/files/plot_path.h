// The path a pen plotter's pen takes to draw the recorded curves: the canvas mapped onto
// the plot square in millimetres, y up, the pen down along each stretch the curve draws
// without a break, and with a pen a colour (PlotSettings::penChange) one path per run of
// the same colour as in the SVG drawing. The path is cut where the curve leaves the square
// (the canvas clips it the same way), and the points a straight line passes close enough
// to are left out. The G-code
// writer and the preview picture both follow it.
#pragma once

#include "common/colorref.h"
#include "engine/drawing_record.h"
#include "files/path_simplifier.h"
#include "files/plot_settings.h"

namespace trochograph {

// Canvas coordinates to the plot's millimetres: the curve's centre (the centre of pixel
// (halfres, halfres)) at the square's centre, a canvas side to the square's side, y up.
struct PlotMapping {
    PlotMapping(int res, const PlotSettings& settings);
    PlanePoint operator()(double x, double y) const;

    double centre;  // in canvas coordinates
    double scale;   // millimetres a canvas pixel
    double offset;  // where the centre lands: half the side, or 0 from the square's centre
    double low, high;  // the square's bounds along both axes
};

class PlotMoves {
public:
    virtual ~PlotMoves() = default;
    // The first run of the plot begins in `color`, or with a pen a colour, a run of
    // another colour; the pen is up.
    virtual void run(Colorref color, bool first) = 0;
    // With the pen up to `to`, where the next drawing starts.
    virtual void travel(PlanePoint to) = 0;
    // With the pen down to `to`; a path of one point draws it on the spot.
    virtual void draw(PlanePoint to) = 0;
};

// How far from the exact curve the points written to `decimals` places can lie by
// rounding alone, in millimetres: the simplifier keeps that much of the tolerance back.
double roundingMargin(double unit, int decimals);

// Hands the pen's path to `moves`, with points kept within `tolerance` millimetres.
void planPlot(const DrawingRecord& record, const PlotSettings& settings, double tolerance, PlotMoves& moves);

}  // namespace trochograph
