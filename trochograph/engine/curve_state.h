// Everything that says which curve is drawn, how, and where a drawing stands: one record,
// read and written by the renderer, the animations, the window's commands, the dialogs and
// the file formats under the names below.
#pragma once

#include <array>
#include <cstdint>

#include "colorref.h"
#include "geometry.h"
#include "palette.h"

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

struct CurveState {
    // Which curve, and the parameters of every type (radii in percent of halfres).
    int type = epitrochoid;
    PerType<int> Rpct = {44, 88, 90, 90};
    PerType<int> rpct = {11, 66, 90, 90};
    PerType<double> dpct = {33.0, 33.0, 90.0, 90.0};
    PerType<double> scale = {1.0, 1.0, 1.0, 1.0};
    PerType<int> kn = {1, 1, 5, 1};
    PerType<int> kd = {1, 1, 1, 1};
    PerType<double> st = {0.0, 0.0, 0.0, 0.0};

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
    int multicolor = 1;
    int animate = 0;
    int debug = 0;

    // Colours.
    int rfore = 255, gfore = 255, bfore = 255;
    int rback = 0, gback = 0, bback = 0;
    Colorref fore = 0x00FFFFFF;
    Colorref back = 0x00000000;
    Palette crpalette = builtinPalette;
    Palette crdefault = builtinPalette;
    // Scratch of the palette loader: red, green, blue per entry.
    std::array<std::array<std::uint8_t, 3>, 256> paltemp{};

    // Canvas geometry: the side of the square canvas and half of it.
    int res = 600;
    int halfres = 300;

    // Derived geometry, set at each curve set-up.
    double R = 0.0, r = 0.0, d = 0.0;
    double k = 0.0;
    double a = 0.0, b = 0.0;
    double center1x = 0.0, center1y = 0.0;
    std::array<Point, 2> pt{};

    // Drawing state.
    double theta = 0.0;
    double delta = 0.0;

    // The built-in parameters of each type, for "restore default parameters on OK".
    PerType<int> rRpct{}, rrpct{};
    PerType<double> rdpct{}, rscale{}, rinc{}, rst{};
    PerType<int> rkn{}, rkd{};

    // Flags, 0 or 1.
    int okintro = 1;
    int stopintro = 0;
    int okroulette = 0;
    int okconclude = 0;
    int firstloop = 1;
    int newcurve = 1;
    int newdimensions = 0;
    int restore = 0;
    int clearflag = 0;
    int firstRI = 1;
    int firstellipse = 1;
    int focaldistance = 0;

    // Copies the current per-type parameters and the step into the restore values.
    void captureRestoreValues();
    // Copies the restore values of the current type back; other types keep theirs.
    void restoreCurrentType();
    void captureDefaultPalette() { crdefault = crpalette; }
    void restoreDefaultPalette()
    {
        crpalette = crdefault;
        ++paletteVersion;
    }
    // Counts the changes of crpalette, so that a drawing record notices a new palette.
    int paletteVersion = 0;
    // Stores `value` in `field`; a different value starts a new curve from its beginning.
    template <typename T>
    void setRestarting(T& field, T value)
    {
        if (field != value) {
            newcurve = 1;
            theta = 0.0;
        }
        field = value;
    }
    // Sets res and halfres together.
    void setResolution(int side)
    {
        res = side;
        halfres = side >> 1;
    }
};

}  // namespace trochograph
