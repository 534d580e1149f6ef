// The third help picture: three ways of making a set of related curves from a
// hypotrochoid, each drawn by the engine in the palette's colours, one curve over another:
// by changing the scale factor, the pen distance d, and the rotation offset angle.
#include <functional>

#include "curve_canvas.h"
#include "engine/rotate.h"
#include "help_style.h"
#include "pictures.h"

namespace trochograph::pictures {

namespace {

using namespace help;

constexpr int square = 130;
constexpr int gap = 5;

// The curve every set starts from: R / r = 5 / 3 closes after three turns with five
// loops, the pen beyond the rolling circle.
void startSet(CurveParameters& s)
{
    s.type = hypotrochoid;
    s.multicolor = 1;
    s.width = 1;
    s.increment = 0.005;
    s.Rpct[hypotrochoid] = 65;
    s.rpct[hypotrochoid] = 39;
    s.dpct[hypotrochoid] = 52;
}

// Draws the set's curves one over another, each after `vary` has changed the state for
// step 0, 1, ... count - 1, in the square `left` pixels from the left edge.
void drawSet(Picture& picture, int left, int count, const std::function<void(CurveParameters&, int)>& vary)
{
    CurveCanvas canvas(square, ground);
    startSet(canvas.parameters());
    for (int i = 0; i < count; ++i) {
        vary(canvas.parameters(), i);
        canvas.drawCurve();
    }
    picture.surface.blit({left, 0}, canvas.canvas(), canvas.canvas().bounds());
}

}  // namespace

Picture drawHelpCurveSets()
{
    constexpr int step = square + gap;
    Picture picture{Surface(3 * square + 2 * gap, square, ground), {}, {}};
    drawSet(picture, 0, 4, [](CurveParameters& s, int i) { s.scale[hypotrochoid] = 1.0 - 0.2 * i; });
    // With the rolling circle a fifth of the fixed one, d grows from gentle waves to deeper
    // ones, to cusps at d = r, to loops.
    drawSet(picture, step, 4, [](CurveParameters& s, int i) {
        constexpr double d[] = {3, 8, 13, 26};
        s.rpct[hypotrochoid] = 13;
        s.dpct[hypotrochoid] = d[i];
    });
    // Spread evenly over the 72 degrees after which the five-fold star repeats itself.
    drawSet(picture, 2 * step, 4, [](CurveParameters& s, int i) {
        s.dbtheta = 18.0 * i;
        s.rottheta = s.dbtheta * pi / 180;
    });
    for (int x : {step - gap / 2 - 1, 2 * step - gap / 2 - 1}) picture.surface.fillRect({x, 8, x + 1, square - 8}, rule);

    // What varies, in each square's top left corner, where the curves leave room.
    picture.captions.push_back({"scale", {2, 2, 36, 16}, noteSize, note, false, Typeface::sans, false});
    picture.captions.push_back({"d", {step + 2, 0, step + 16, 18}, variableSize, note, false, Typeface::serif, true});
    picture.captions.push_back(
        {"rotation", {2 * step + 2, 2, 2 * step + 52, 16}, noteSize, note, false, Typeface::sans, false});
    return picture;
}

}  // namespace trochograph::pictures
