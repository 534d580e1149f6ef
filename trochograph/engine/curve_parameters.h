// What says which curve is drawn and how: everything a user, a dialog or a file sets and
// everything a step of the curve reads. Two equal sets of parameters draw the same segments
// from the same progress.
#pragma once

#include <array>
#include <cstring>

#include "common/colorref.h"
#include "engine/shared_palette.h"

namespace trochograph {

// Curve types, the index of every per-type array.
enum CurveType : int {
    epitrochoid = 0,
    hypotrochoid = 1,
    rhodoneaRational = 2,
    rhodoneaIrrational = 3,
};
constexpr int curveTypeCount = 4;

// Ellipse methods, used while `ellipse` is 1.
enum EllipseMethod : int {
    actualEllipse = 0,    // "Use actual ellipse: starting r = a"
    circleVaryingR = 1,   // "Use circle; r varies"
    circleVaryingD = 2,   // "Use constant circle; d varies"
};

// The `rounding` value that stands for "no rounding".
constexpr int noRounding = 100;

// The irrational values of k offered for type 3. Three of them differ from what their
// labels say (entries 3, 4 and 7); curves saved with them depend on these exact values.
constexpr std::array<double, 9> ki = {
    2.718281828459045,    // e
    3.141592653589793,    // Pi
    1.618033988749895,    // Golden Mean
    0.7071067811865476,   // "Sqrt ( 2 )", stored as sqrt(2) / 2
    1.291549380728608,    // "2 Pi / sqrt ( 23.67 )", stored as 2 pi / sqrt(23.6667)
    4.358898943540674,    // Sqrt ( 19 )
    0.31622776601683794,  // Sqrt ( 0.1 )
    10.04987562112089,    // "2 Pi / sqrt ( 101 )", stored as sqrt(101)
    0.4342944819032518,   // "Log ( e )", the common logarithm of e
};

template <typename T>
using PerType = std::array<T, curveTypeCount>;

// Without padding, so that two sets of parameters compare as their bytes: every field bit
// for bit, with no list of fields to keep, and a NaN equal to itself. A field that would
// leave a gap fails the build here; fill the gap by moving fields.
#pragma GCC diagnostic push
#pragma GCC diagnostic error "-Wpadded"
struct CurveParameters {
    // Which curve, whether the moving piece is a simulated ellipse, and the parameters of
    // every type (radii in percent of halfres).
    int type = epitrochoid;
    int ellipse = 0;
    PerType<int> Rpct = {44, 88, 90, 90};
    PerType<int> rpct = {11, 66, 90, 90};
    PerType<double> dpct = {33.0, 33.0, 90.0, 90.0};
    PerType<double> scale = {1.0, 1.0, 1.0, 1.0};
    PerType<int> kn = {1, 1, 5, 1};
    PerType<int> kd = {1, 1, 1, 1};
    double increment = 0.01;
    double kindex = 0.0;  // index into ki, truncated where used

    // How it is drawn.
    double dbtheta = 0.0;   // rotation offset in degrees, as entered
    double rottheta = 0.0;  // the same in radians
    int speed = 9;  // milliseconds of pause after each segment
    int width = 3;  // pen width in pixels
    int method = circleVaryingR;
    int en = 3;
    int ed = 4;
    int rounding = 4;

    // Colours.
    int multicolor = 1;
    int rfore = 255, gfore = 255, bfore = 255;
    int rback = 0, gback = 0, bback = 0;
    Colorref fore = 0x00FFFFFF;
    Colorref back = 0x00000000;

    // The side of the square canvas.
    int res = 600;
    SharedPalette crpalette;

    int halfres() const { return res >> 1; }
    // A radius given in percent of halfres, in pixels.
    double pixels(double percent) const { return halfres() * percent * 0.01; }

    // The same bytes; so the same palette table, not merely the same colours.
    friend bool operator==(const CurveParameters& a, const CurveParameters& b)
    {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
};
#pragma GCC diagnostic pop

}  // namespace trochograph
