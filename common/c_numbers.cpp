#include "common/c_numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace trochograph {

namespace {

// The white space that strtol and strtod skip in the C locale.
bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c, bool hex)
{
    return hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : c >= '0' && c <= '9';
}

// Skips the white space and reads the sign; returns true for a minus.
bool skipSpaceAndSign(std::string_view& text)
{
    while (!text.empty() && isCSpace(text.front())) text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    return negative;
}

// Whether a number that from_chars found out of range is too large (rather than too
// small): the position of its first significant digit plus its exponent decides.
bool tooLarge(std::string_view number, bool hex)
{
    const char exponentMark = hex ? 'p' : 'e';
    long long exponent = 0;
    std::size_t end = number.size();
    for (std::size_t i = 0; i < number.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(number[i])) != exponentMark) continue;
        end = i;
        std::string_view e = number.substr(i + 1);
        const bool negative = skipSpaceAndSign(e);
        for (char c : e) exponent = std::min(exponent * 10 + (c - '0'), 1LL << 40);
        if (negative) exponent = -exponent;
        break;
    }
    const long long digitWeight = hex ? 4 : 1;  // binary exponents count bits
    long long position = 0;
    bool afterPoint = false;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
        } else if (c != '0') {
            // The digits left of this one, before the point, or the zeros right of the point.
            long long before = 0;
            for (std::size_t j = i + 1; j < end && number[j] != '.'; ++j) ++before;
            position = afterPoint ? -position - 1 : before;
            return position * digitWeight + exponent > 0;
        } else if (afterPoint) {
            ++position;
        }
    }
    return false;
}

}  // namespace

std::string decimalText(long long value) { return std::to_string(value); }

std::string decimalTextOrEmpty(long long value) { return value == 0 ? std::string() : std::to_string(value); }

std::string fixedText(double value, int decimals)
{
    char buffer[400];  // the largest double has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return {};
    return std::string(buffer, result.ptr);
}

std::optional<LeadingInt> leadingInt(std::string_view text)
{
    const std::size_t size = text.size();
    const bool negative = skipSpaceAndSign(text);
    long long value = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && isDigit(text[digits], false); ++digits)
        value = std::min(value * 10 + (text[digits] - '0'), 1LL << 40);  // far beyond int, no overflow
    if (digits == 0) return std::nullopt;
    return LeadingInt{negative ? -value : value, size - text.size() + digits};
}

int readInt(std::string_view text)
{
    const std::optional<LeadingInt> number = leadingInt(text);
    if (!number) return 0;
    if (number->value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (number->value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(number->value);
}

double readReal(std::string_view text)
{
    const bool negative = skipSpaceAndSign(text);
    const double sign = negative ? -1.0 : 1.0;
    // Hexadecimal needs its prefix and a digit after it; "0x" alone reads as 0.
    bool hex = false;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        (isDigit(text[2], true) || (text[2] == '.' && text.size() > 3 && isDigit(text[3], true)))) {
        hex = true;
        text.remove_prefix(2);
    }
    // from_chars would take a second sign after the first; strtod reads none.
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        hex ? std::chars_format::hex : std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view number(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
        value = tooLarge(number, hex) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        return 0.0;
    }
    return sign * value;
}

std::string shortestText(double value)
{
    char buffer[32];  // the longest shortest form, "-2.2250738585072014e-308", has 24
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<long long> exactWholeNumber(std::string_view text)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

std::optional<double> exactReal(std::string_view text)
{
    // from_chars reads "inf" and "nan" too; those are refused below.
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace trochograph
