#include "map_palette.h"

#include <climits>
#include <fstream>
#include <sstream>

namespace trochograph {

namespace {

constexpr int maxLines = 256;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

enum class Number { ok, missing, outOfRange };

// Reads a decimal integer the way "%d" does: white space, an optional sign, digits.
// Values beyond the int range are reported instead of wrapping.
Number readInt(std::string_view line, std::size_t& pos, int& value)
{
    while (pos < line.size() && isSpace(line[pos])) ++pos;
    bool negative = false;
    if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) negative = line[pos++] == '-';
    const std::size_t digitsStart = pos;
    long long magnitude = 0;
    bool tooBig = false;
    for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
        if (!tooBig) magnitude = magnitude * 10 + (line[pos] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) tooBig = true;
    }
    if (pos == digitsStart) return Number::missing;
    if (negative) magnitude = -magnitude;
    if (tooBig || magnitude > INT_MAX || magnitude < INT_MIN) return Number::outOfRange;
    value = static_cast<int>(magnitude);
    return Number::ok;
}

std::optional<std::string> parseLine(std::string_view line, std::array<std::uint8_t, 3>& entry)
{
    std::size_t pos = 0;
    for (auto& channel : entry) {
        int value = 0;
        switch (readInt(line, pos, value)) {
        case Number::missing:
            return "does not start with three whole numbers (red green blue)";
        case Number::outOfRange:
            return "has a number too large to read";
        case Number::ok:
            channel = static_cast<std::uint8_t>(value & 0xFF);
            break;
        }
    }
    return std::nullopt;
}

}  // namespace

MapParse parseMap(std::istream& in)
{
    MapTable table;
    for (auto& entry : table) entry = {1, 1, 1};
    std::string line;
    for (int n = 0; n < maxLines && std::getline(in, line); ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (auto problem = parseLine(line, table[n]))
            return {std::nullopt, "palette line " + std::to_string(n + 1) + " " + *problem};
    }
    if (in.bad()) return {std::nullopt, "the palette file could not be read"};
    return {table, {}};
}

MapParse parseMap(std::string_view text)
{
    std::istringstream in{std::string(text)};
    return parseMap(in);
}

LoadResult OpenMapFile(const std::filesystem::path& path, CurveState& state)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return {LoadResult::cannotOpen, "Error opening MAP file"};
    MapParse parsed = parseMap(in);
    if (in.bad()) return {LoadResult::cannotOpen, "Error reading MAP file"};
    if (!parsed.table) return {LoadResult::invalid, parsed.error};
    state.paltemp = *parsed.table;
    return {};
}

void acceptPalette(CurveState& state)
{
    for (std::size_t i = 0; i < state.paltemp.size(); ++i) {
        const auto& e = state.paltemp[i];
        state.crpalette[i] = rgb(e[0], e[1], e[2]);
    }
}

}  // namespace trochograph
