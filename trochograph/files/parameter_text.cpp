#include "files/parameter_text.h"

#include <algorithm>
#include <limits>
#include <map>

#include "common/c_numbers.h"
#include "engine/parameter_limits.h"

namespace trochograph {

namespace {

// Both directions visit the keys in text order through the same function, so that writing
// and reading can't disagree about the names.
template <typename Visit, typename Parameters>
void visitKeys(Visit& v, Parameters& p)
{
    auto& r = p.record;
    v("type", r.type), v("ellipse", r.ellipse), v("method", r.method), v("Rpct", r.Rpct), v("rpct", r.rpct);
    v("dpct", r.dpct), v("increment", r.inc), v("kn", r.kn), v("kd", r.kd), v("kindex", r.kindex), v("en", r.en);
    v("ed", r.ed), v("rottheta", r.rottheta), v("fore", r.fore), v("back", r.back), v("rfore", r.rfore);
    v("gfore", r.gfore), v("bfore", r.bfore), v("rback", r.rback), v("gback", r.gback), v("bback", r.bback);
    v("multicolor", r.multicolor), v("width", p.width), v("scale", p.scale), v("rounding", p.rounding);
    v("res", p.res), v("palette", p.palette);
}

// A colour word's low 24 bits as BBGGRR; the high byte of a drawable colour is 0.
std::string colourText(Colorref c)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string s(6, '0');
    for (int i = 5; i >= 0; --i, c >>= 4) s[static_cast<std::size_t>(i)] = digits[c & 0xF];
    return s;
}

std::optional<Colorref> readColour(std::string_view word)
{
    if (word.size() != 6) return std::nullopt;
    Colorref c = 0;
    for (char ch : word) {
        int digit = 0;
        if (ch >= '0' && ch <= '9') digit = ch - '0';
        else if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
        else if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
        else return std::nullopt;
        c = c << 4 | static_cast<Colorref>(digit);
    }
    return c;
}

class Writer {
public:
    void operator()(const char* key, int v) { line(key, decimalText(v)); }
    void operator()(const char* key, double v) { line(key, shortestText(v)); }
    void operator()(const char* key, Colorref v) { line(key, colourText(v)); }
    void operator()(const char* key, const Palette& palette)
    {
        std::string words;
        for (Colorref c : palette) {
            if (!words.empty()) words += ' ';
            words += colourText(c);
        }
        line(key, words);
    }
    std::string text;

private:
    void line(const char* key, const std::string& value) { text.append(key).append("=").append(value).append("\n"); }
};

// A value as it appears in a message: quoted, and cut short when long.
std::string quote(std::string_view value)
{
    constexpr std::size_t shown = 32;
    std::string quoted = "'";
    quoted.append(value.substr(0, shown)).append(value.size() > shown ? "...'" : "'");
    return quoted;
}

class Reader {
public:
    explicit Reader(const std::map<std::string_view, std::string_view>& values) : values_(values) {}

    void operator()(const char* key, int& v)
    {
        const auto text = find(key);
        if (!text) return;
        const auto number = exactWholeNumber(*text);
        if (!number) return fail(std::string(key) + " is " + quote(*text) + "; it should be a whole number");
        if (*number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
            return fail(std::string(key) + " is " + quote(*text) + ", far out of range");
        v = static_cast<int>(*number);
    }
    void operator()(const char* key, double& v)
    {
        const auto text = find(key);
        if (!text) return;
        const auto number = exactReal(*text);
        if (!number) return fail(std::string(key) + " is " + quote(*text) + "; it should be a finite number");
        v = *number;
    }
    void operator()(const char* key, Colorref& v)
    {
        const auto text = find(key);
        if (!text) return;
        const auto colour = readColour(*text);
        if (!colour) return fail(std::string(key) + " is " + quote(*text) + "; it should be 6 hex digits, BBGGRR");
        v = *colour;
    }
    void operator()(const char* key, Palette& palette)
    {
        auto text = find(key);
        if (!text) return;
        std::size_t count = 0;
        for (;;) {
            const std::size_t space = text->find(' ');
            const std::string_view word = text->substr(0, space);
            if (count < palette.size()) {
                const auto colour = readColour(word);
                if (!colour)
                    return fail("palette word " + decimalText(static_cast<long long>(count) + 1) + " is " +
                                quote(word) + "; it should be 6 hex digits, BBGGRR");
                palette[count] = *colour;
            }
            ++count;
            if (space == std::string_view::npos) break;
            text->remove_prefix(space + 1);
        }
        if (count != palette.size())
            fail("palette has " + decimalText(static_cast<long long>(count)) + " colours; it should have " +
                 decimalText(static_cast<long long>(palette.size())));
    }

    std::optional<std::string> error;

private:
    std::optional<std::string_view> find(const char* key)
    {
        if (error) return std::nullopt;  // only the first problem is told
        const auto it = values_.find(key);
        if (it == values_.end()) {
            fail(std::string(key) + " is missing");
            return std::nullopt;
        }
        return it->second;
    }
    void fail(std::string message)
    {
        if (!error) error = std::move(message);
    }

    const std::map<std::string_view, std::string_view>& values_;
};

Error refused(std::string message) { return {ErrorCode::invalid, std::move(message)}; }

Result<void> checkRange(const char* key, int v, Range<int> range)
{
    if (range.contains(v)) return {};
    return refused(std::string(key) + " is " + decimalText(v) + "; it should be " + decimalText(range.low) + " to " +
                   decimalText(range.high));
}

Result<void> validateExtras(const PictureParameters& p)
{
    if (auto e = checkRange("width", p.width, limits::lineWidth); !e) return e;
    if (!limits::scale.contains(p.scale))
        return refused("scale is " + shortestText(p.scale) + "; it should be " + shortestText(limits::scale.low) +
                       " to " + shortestText(limits::scale.high));
    if (auto e = checkRange("rounding", p.rounding, limits::rounding); !e) return e;
    // A smooth poster is drawn on a side beyond a raster canvas's and says so.
    return checkRange("res", p.res, limits::smoothSide);
}

}  // namespace

PictureParameters pictureParameters(const CurveParameters& parameters)
{
    PictureParameters p;
    p.record = rltFromState(parameters);
    p.width = parameters.width;
    p.scale = parameters.scale[static_cast<std::size_t>(parameters.type)];
    p.rounding = parameters.rounding == noRounding ? 0 : parameters.rounding;
    p.res = parameters.res;
    p.palette = parameters.crpalette.colors();
    return p;
}

std::string parameterText(const CurveParameters& parameters)
{
    const PictureParameters carried = pictureParameters(parameters);
    Writer writer;
    visitKeys(writer, carried);
    return writer.text;
}

std::string parameterTextTooLong(std::size_t bytes)
{
    return "the parameters are " + decimalText(static_cast<long long>(bytes)) + " bytes long; at most " +
           decimalText(static_cast<long long>(limits::parameterTextBytes)) + " are read";
}

Result<PictureParameters> parseParameterText(std::string_view text)
{
    if (text.size() > limits::parameterTextBytes) return refused(parameterTextTooLong(text.size()));

    std::map<std::string_view, std::string_view> values;
    long long lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty()) continue;
        for (char c : line)
            if (c < ' ' || c > '~')
                return refused("line " + decimalText(lineNumber) + " holds a character that is not printable ASCII");
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return refused("line " + decimalText(lineNumber) + " has no '=': " + quote(line));
        const std::string_view key = line.substr(0, equals);
        if (!values.emplace(key, line.substr(equals + 1)).second)
            return refused(quote(key) + " appears twice, the second time on line " + decimalText(lineNumber));
    }

    PictureParameters p;
    Reader reader(values);
    visitKeys(reader, p);
    if (reader.error) return refused(*reader.error);
    if (auto valid = validateRlt(p.record, "increment"); !valid) return valid.error();
    if (auto valid = validateExtras(p); !valid) return valid.error();
    return p;
}

Result<void> applyPictureParameters(const PictureParameters& p, CurveParameters& parameters)
{
    if (auto valid = validateExtras(p); !valid) return valid;
    if (auto applied = applyRlt(p.record, parameters); !applied) return applied;
    parameters.width = p.width;
    parameters.scale[static_cast<std::size_t>(p.record.type)] = p.scale;
    parameters.rounding = p.rounding == 0 ? noRounding : p.rounding;
    // A poster's side beyond a raster canvas's draws on the largest raster canvas.
    parameters.res = std::min(p.res, limits::resolution.high);
    if (parameters.crpalette.colors() != p.palette) parameters.crpalette = p.palette;
    return {};
}

}  // namespace trochograph
