// Numbers as text the way the C locale writes and reads them, whatever locale the process
// runs in: a decimal point, never a comma, so that every user sees and types the same.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trochograph {

// printf's "%d".
std::string decimalText(long long value);
// printf's "%.d": as "%d", but 0 is the empty text.
std::string decimalTextOrEmpty(long long value);
// printf's "%.*f" with `decimals` digits after the point.
std::string fixedText(double value, int decimals);

// The whole number at the start of `text` as strtol reads it in base 10: white space, a
// sign, digits; `length` counts the characters it took. Nothing when no digit follows.
// Values far beyond the int range saturate at +-2^40, so that callers can tell them apart.
struct LeadingInt {
    long long value;
    std::size_t length;
};
std::optional<LeadingInt> leadingInt(std::string_view text);

// strtol in base 10 with a 32-bit long: leading white space and a sign are accepted, the
// text after the number is ignored, a text without a number reads 0, and values beyond the
// int range saturate at its ends.
int readInt(std::string_view text);
// strtod: as readInt, with decimals, exponents, hexadecimal numbers, "inf" and "nan";
// an overflow reads as an infinity, an underflow as zero.
double readReal(std::string_view text);

// The shortest text that reads back as exactly `value`: "33", "0.1", "1e-05".
std::string shortestText(double value);
// The whole text as one number and nothing else: no white space, no '+', no text after it.
// A whole number is decimal digits with an optional '-' and must fit a long long; a real
// is one as shortestText writes it (also "1.5e3", ".5") and must be finite.
std::optional<long long> exactWholeNumber(std::string_view text);
std::optional<double> exactReal(std::string_view text);

}  // namespace trochograph
