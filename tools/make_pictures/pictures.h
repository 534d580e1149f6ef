// The program's pictures, each drawn from scratch, the same pixels every time.
#pragma once

#include "drawn_picture.h"

namespace trochograph::pictures {

// 360 x 360: a multicoloured rosette and the title, inside a thin grey frame on black.
Picture drawSplash();
// 240 x 240: a four-lobed curve in green and yellow with a line of thanks, in a gold frame.
Picture drawFarewell();
// 480 x 240: the rolling circles at work on the left, title and credits on the right.
Picture drawAbout();
// side x side: a small rosette on a dark disc, transparent around it.
Picture drawIcon(int side);
// side x side: the show's icon, a five-petalled rose on a screen on its stand, transparent
// around it.
Picture drawShowIcon(int side);
// side x side: the parameter files' icon, a page with a turned-down corner carrying the
// program icon, transparent around it.
Picture drawParameterFileIcon(int side);
// The sizes the desktop's icon theme gets of each icon.
inline constexpr int desktopIconSides[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The help pages' pictures, on a dark ground with labelled construction lines.
// 720 x 200: a cycloid, an epitrochoid and a hypotrochoid with the circles that draw them.
Picture drawHelpRollingCircles();
// 200 x 200: the rose with R = 6, k = 2 over the same curve drawn as a hypotrochoid.
Picture drawHelpRose();
// 400 x 130: sets of hypotrochoids made by changing the scale, d and the rotation offset.
Picture drawHelpCurveSets();
// 760 x 230: an ellipse rolling on a line, wavy rings round a circle, and the geometry of
// an ellipse rolling round a circle.
Picture drawHelpRollingEllipses();
// 490 x 240: an ellipse's centre rolling round a circle, with the circumference ratio as it
// is and rounded.
Picture drawHelpRounding();

}  // namespace trochograph::pictures
