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

}  // namespace trochograph::pictures
