// Where the drawing of the current curve stands: the geometry its set-up derived from the
// parameters, the angles, and the pen's last two points. Only the engine writes it.
#pragma once

#include <array>
#include <cstring>

#include "common/geometry.h"
#include "engine/curve_parameters.h"

namespace trochograph {

// Without padding, compared as its bytes, like the parameters.
#pragma GCC diagnostic push
#pragma GCC diagnostic error "-Wpadded"
struct CurveProgress {
    // Pixel radii of the curve (r or d vary as the ellipse rolls), the rose's k, the
    // ellipse's semi-axes.
    double R = 0.0, r = 0.0, d = 0.0;
    double k = 0.0;
    double a = 0.0, b = 0.0;
    // The moving circle's centre, relative to the canvas centre.
    double center1x = 0.0, center1y = 0.0;
    // The last point and the current one, in canvas pixels.
    std::array<Point, 2> pt{};

    double theta = 0.0;  // the curve's angle
    double delta = 0.0;  // the moving circle's turn
    // The angle at which the curve of each type is complete, set at its set-up.
    PerType<double> st = {0.0, 0.0, 0.0, 0.0};

    // R, r and d in pixels from the percentages of the parameters' type.
    void takeRadii(const CurveParameters& p)
    {
        R = p.pixels(p.Rpct[p.type]);
        r = p.pixels(p.rpct[p.type]);
        d = p.pixels(p.dpct[p.type]);
    }

    friend bool operator==(const CurveProgress& a, const CurveProgress& b)
    {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
};
#pragma GCC diagnostic pop

}  // namespace trochograph
