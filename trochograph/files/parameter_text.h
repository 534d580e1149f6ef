// The parameters a PNG picture carries, as text: every field of the .rlt record and what
// the record lacks to draw the same picture again. One `key=value` line per field, in this
// order, ASCII with "\n" line ends:
//
//   type=0            ellipse=0        method=1         Rpct=44         rpct=11
//   dpct=33           increment=0.01   kn=1             kd=1            kindex=0
//   en=3              ed=4             rottheta=0       fore=FFFFFF     back=000000
//   rfore=255         gfore=255        bfore=255        rback=0         gback=0
//   bback=0           multicolor=1     width=3          scale=1         rounding=4
//   res=600           palette=0000FF 0004FF ... (256 words)
//
// Whole numbers in decimal; reals in the shortest form that reads back exactly; colours,
// fore, back and each palette entry, as six hex digits BBGGRR (0x00BBGGRR words). The
// record fields hold what rltFromState stores; width is the pen width, scale the scale of
// the record's type, rounding the ellipse rounding with 0 for none, res the canvas side.
//
// Reading is strict: every key above is required and none may appear twice, a value is
// one number and nothing else, reals must be finite. Keys it doesn't know are ignored, so
// that later versions can add some. The record then passes validateRlt, the rest the
// limits of parameter_limits.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/palette.h"
#include "common/result.h"
#include "engine/curve_parameters.h"
#include "files/rlt_record.h"

namespace trochograph {

struct PictureParameters {
    RltRecord record;
    int width = 0;
    double scale = 0.0;
    int rounding = 0;  // 0 for none
    int res = 0;
    Palette palette{};

    friend bool operator==(const PictureParameters&, const PictureParameters&) = default;
};

// What a picture drawn with these parameters is drawn from.
PictureParameters pictureParameters(const CurveParameters& parameters);

std::string parameterText(const CurveParameters& parameters);

// The parameters, or one line naming the first problem (invalid). Texts longer than
// limits::parameterTextBytes are refused unread.
Result<PictureParameters> parseParameterText(std::string_view text);
// The refusal of a text of `bytes` beyond that limit, for readers that don't keep it all.
std::string parameterTextTooLong(std::size_t bytes);

// The record as applyRlt sets it, the pen width, the scale of the record's type, the
// rounding, the canvas side and the palette. Carried parameters that parseParameterText
// would refuse are refused (invalid) and leave `parameters` untouched.
Result<void> applyPictureParameters(const PictureParameters& carried, CurveParameters& parameters);

}  // namespace trochograph
