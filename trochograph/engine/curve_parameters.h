// What says which curve is drawn and how: everything a user, a dialog or a file sets and
// everything a step of the curve reads. Compared as a whole, two equal sets of parameters
// draw the same segments from the same progress.
#pragma once

#include <array>

#include "colorref.h"
#include "shared_palette.h"

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

// One value for each curve type. Compared element by element, inline: the drawing record
// compares the parameters before every step.
template <typename T>
struct PerType : std::array<T, curveTypeCount> {
    friend bool operator==(const PerType& a, const PerType& b)
    {
        return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3];
    }
};

struct CurveParameters {
    // Which curve, and the parameters of every type (radii in percent of halfres).
    int type = epitrochoid;
    PerType<int> Rpct = {44, 88, 90, 90};
    PerType<int> rpct = {11, 66, 90, 90};
    PerType<double> dpct = {33.0, 33.0, 90.0, 90.0};
    PerType<double> scale = {1.0, 1.0, 1.0, 1.0};
    PerType<int> kn = {1, 1, 5, 1};
    PerType<int> kd = {1, 1, 1, 1};

    double increment = 0.01;
    int speed = 9;  // milliseconds of pause after each segment
    int width = 3;  // pen width in pixels
    double dbtheta = 0.0;   // rotation offset in degrees, as entered
    double rottheta = 0.0;  // the same in radians
    int method = circleVaryingR;
    int en = 3;
    int ed = 4;
    int rounding = 4;
    double kindex = 0.0;  // index into ki, truncated where used
    int ellipse = 0;

    // Colours.
    int multicolor = 1;
    int rfore = 255, gfore = 255, bfore = 255;
    int rback = 0, gback = 0, bback = 0;
    Colorref fore = 0x00FFFFFF;
    Colorref back = 0x00000000;
    SharedPalette crpalette;

    // The side of the square canvas and half of it.
    int res = 600;
    int halfres = 300;

    void setResolution(int side)
    {
        res = side;
        halfres = side >> 1;
    }

    friend bool operator==(const CurveParameters&, const CurveParameters&) = default;
};

}  // namespace trochograph
