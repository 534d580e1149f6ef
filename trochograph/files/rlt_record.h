// The parameter record of a .rlt file: the current curve's parameters and colours in 100
// bytes, little-endian whatever the host, no padding.
//
//   0 type       4 ellipse    8 method    12 Rpct      16 rpct      20 dpct (double)
//  28 increment (double)     36 kn       40 kd        44 kindex    48 en        52 ed
//  56 rottheta (double)      64 fore     68 back      72 rfore     76 gfore     80 bfore
//  84 rback     88 gback     92 bback    96 multicolor
//
// Integers are int32, colours uint32 0x00BBGGRR, reals IEEE-754 doubles. Rpct, rpct,
// dpct, kn and kd are the entries of the record's type; other types' entries, the scale,
// the speed, the pen width, the rounding, the canvas size and the palette are not stored.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "common/colorref.h"
#include "common/result.h"
#include "engine/curve_parameters.h"

namespace trochograph {

inline constexpr std::size_t rltSize = 100;

struct RltRecord {
    std::int32_t type = 0;
    std::int32_t ellipse = 0;
    std::int32_t method = 0;
    std::int32_t Rpct = 0;
    std::int32_t rpct = 0;
    double dpct = 0.0;
    double inc = 0.0;
    std::int32_t kn = 0;
    std::int32_t kd = 0;
    std::int32_t kindex = 0;
    std::int32_t en = 0;
    std::int32_t ed = 0;
    double rottheta = 0.0;
    Colorref fore = 0;
    Colorref back = 0;
    std::int32_t rfore = 0, gfore = 0, bfore = 0;
    std::int32_t rback = 0, gback = 0, bback = 0;
    std::int32_t multicolor = 0;

    friend bool operator==(const RltRecord&, const RltRecord&) = default;
};

std::array<std::uint8_t, rltSize> encodeRlt(const RltRecord& record);
// Every 100 bytes decode; whether the values make sense is validateRlt's business.
RltRecord decodeRlt(std::span<const std::uint8_t, rltSize> bytes);

// The current type's parameters; kindex is truncated toward zero (saturating, so any value
// converts). The type must be one of the curve types, as everywhere in the engine.
RltRecord rltFromState(const CurveParameters& parameters);

// Sets the type, then every stored field, the per-type ones into the new type's entries.
// dbtheta follows rottheta so that the two keep describing the same rotation. A record
// validateRlt refuses is refused with its reason and changes nothing.
Result<void> applyRlt(const RltRecord& record, CurveParameters& parameters);

// Accepts a record whose every field is acceptable; else refuses it (invalid) with one line
// naming the first bad field, its value and the accepted range.
// `incrementName` names the increment in the refusal as the file being read calls it.
Result<void> validateRlt(const RltRecord& record, const char* incrementName = "inc");

}  // namespace trochograph
