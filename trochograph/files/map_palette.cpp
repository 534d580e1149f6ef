#include "files/map_palette.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <sstream>

#include "common/c_numbers.h"

namespace trochograph {

namespace {

constexpr int maxLines = 256;
// Real palette lines are a few dozen characters; the bound keeps a file that is no palette
// (a device, a binary file, a stream without line ends) from filling the memory.
constexpr std::size_t maxLineLength = 64 * 1024;

constexpr const char* noNumbers = "does not start with three whole numbers (red green blue)";

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Accepts a line that starts with three numbers, read as "%d" reads them, or says what is
// wrong with it. Values beyond the int range are reported instead of wrapping.
Result<void> parseLine(std::string_view line, std::array<std::uint8_t, 3>& entry)
{
    for (auto& channel : entry) {
        const std::optional<LeadingInt> number = leadingInt(line);
        if (!number) return Error{ErrorCode::invalid, noNumbers};
        if (number->value > INT_MAX || number->value < INT_MIN)
            return Error{ErrorCode::invalid, "has a number too large to read"};
        channel = static_cast<std::uint8_t>(number->value & 0xFF);
        line.remove_prefix(number->length);
    }
    return {};
}

enum class Line { read, tooLong, end };

// Reads one line into `buffer`, which has room for maxLineLength + 1 characters (the last
// for a CR) and a terminator, and points `line` at it without its LF or CR LF. A line
// without an end is read no further than the buffer goes.
Line readLine(std::istream& in, std::string& buffer, std::string_view& line)
{
    in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()), '\n');
    const bool atEnd = in.eof();
    if (in.bad()) return Line::end;  // the caller asks the stream why
    if (in.fail()) return atEnd ? Line::end : Line::tooLong;  // full buffer, no LF in sight
    // The count includes the LF, if there was one; the characters may hold NULs.
    line = std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount()) - (atEnd ? 0 : 1));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line.size() > maxLineLength ? Line::tooLong : Line::read;
}

Error lineError(int n, const std::string& problem)
{
    return {ErrorCode::invalid, "palette line " + std::to_string(n + 1) + " " + problem};
}

}  // namespace

Result<MapTable> parseMap(std::istream& in)
{
    MapTable table;
    for (auto& entry : table) entry = {1, 1, 1};
    std::string buffer(maxLineLength + 2, '\0');
    std::string_view line;
    // Blank lines at the end end the palette as the end of the file would, as palettes
    // shipped with fractal programs often do; colours after a blank line make it an error.
    int blankFrom = -1;
    for (int n = 0; n < maxLines; ++n) {
        const Line got = readLine(in, buffer, line);
        if (got == Line::end) break;
        if (got == Line::tooLong)
            return lineError(n, "is longer than " + std::to_string(maxLineLength) + " characters");
        if (std::all_of(line.begin(), line.end(), isSpace)) {
            if (blankFrom < 0) blankFrom = n;
            continue;
        }
        if (blankFrom >= 0) return lineError(blankFrom, noNumbers);
        if (auto parsed = parseLine(line, table[n]); !parsed) return lineError(n, parsed.message());
    }
    if (in.bad()) return Error{ErrorCode::cannotOpen, "the palette file could not be read"};
    return table;
}

Result<MapTable> parseMap(std::string_view text)
{
    std::istringstream in{std::string(text)};
    return parseMap(in);
}

Result<MapTable> loadMap(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return Error{ErrorCode::cannotOpen, "Error opening MAP file"};
    Result<MapTable> parsed = parseMap(in);
    if (in.bad()) return Error{ErrorCode::cannotOpen, "Error reading MAP file"};
    return parsed;
}

void acceptPalette(const MapTable& table, CurveParameters& parameters)
{
    Palette colors;
    for (std::size_t i = 0; i < table.size(); ++i) colors[i] = rgb(table[i][0], table[i][1], table[i][2]);
    parameters.crpalette = colors;
}

}  // namespace trochograph
