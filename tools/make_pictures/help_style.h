// The look shared by the help pictures: a dark ground on which the curves, drawn bright
// and two pixels wide, stand out from the thin construction lines, and one colour per kind
// of element, so that a label takes the colour of what it names.
#pragma once

#include "common/colorref.h"

namespace trochograph::pictures::help {

constexpr Colorref ground = rgb(18, 24, 40);
// Between the panels of a picture.
constexpr Colorref rule = rgb(52, 62, 88);

constexpr Colorref curve = rgb(110, 235, 140);
constexpr int curvePen = 2;

constexpr Colorref fixedCircle = rgb(105, 155, 245);
constexpr Colorref movingPiece = rgb(245, 115, 100);
constexpr Colorref arm = rgb(250, 210, 70);
constexpr Colorref penPoint = rgb(255, 255, 255);
constexpr Colorref angle = rgb(215, 215, 230);
constexpr Colorref axis = rgb(110, 120, 145);
constexpr Colorref note = rgb(170, 180, 200);

constexpr int variableSize = 16;
constexpr int noteSize = 12;

}  // namespace trochograph::pictures::help
