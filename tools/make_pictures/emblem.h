// The program's emblem, shared by the icon and the about box: an epitrochoid with six
// loops in the palette's colours.
#pragma once

namespace trochograph::pictures {

class CurveCanvas;

// Draws the emblem filling the canvas, with lines `penWidth` pixels wide.
void drawEmblem(CurveCanvas& canvas, int penWidth);

}  // namespace trochograph::pictures
