// The parameter text of PNG pictures. Any text gives parameters or is refused as invalid
// in one line; accepted parameters apply to a curve, and the text written from that curve
// reads back as the same parameters (a poster's side brought to the largest canvas).
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "engine/parameter_limits.h"
#include "files/parameter_text.h"
#include "fuzz/fuzz_check.h"

using namespace trochograph;
using trochograph::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Result<PictureParameters> parsed = parseParameterText(text);
    if (!parsed) {
        check(parsed.code() == ErrorCode::invalid, "a refusal is invalid");
        check(!parsed.message().empty() && parsed.message().find('\n') == std::string::npos,
              "a refusal is one line");
        return 0;
    }
    CurveParameters applied;
    check(applyPictureParameters(*parsed, applied).ok(), "accepted parameters apply");
    PictureParameters expected = *parsed;
    expected.res = std::min(expected.res, limits::resolution.high);
    const Result<PictureParameters> again = parseParameterText(parameterText(applied));
    check(again.ok() && *again == expected, "the text written from the curve reads back the same");
    return 0;
}
