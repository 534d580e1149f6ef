// The palette reader. Any text gives a table or is refused as invalid with the line at
// fault; CR LF line ends read as LF ones do; a table written out in the file's format
// reads back the same.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/map_palette.h"
#include "fuzz/fuzz_check.h"

using namespace trochograph;
using trochograph::fuzz::check;

namespace {

std::string withCrLf(std::string_view text)
{
    std::string converted;
    for (char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

std::string mapText(const MapTable& table)
{
    std::string text;
    for (const auto& entry : table)
        text += std::to_string(entry[0]) + ' ' + std::to_string(entry[1]) + ' ' + std::to_string(entry[2]) + '\n';
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Result<MapTable> parsed = parseMap(text);
    const Result<MapTable> crLf = parseMap(withCrLf(text));
    check(parsed.ok() == crLf.ok(), "CR LF line ends are read as LF ones");
    if (!parsed) {
        check(parsed.code() == ErrorCode::invalid, "a refusal is invalid");
        check(parsed.message().starts_with("palette line "), "a refusal names the line");
        check(crLf.message() == parsed.message(), "CR LF line ends are refused as LF ones");
        return 0;
    }
    check(*crLf == *parsed, "CR LF line ends give the same table");
    const Result<MapTable> again = parseMap(mapText(*parsed));
    check(again.ok() && *again == *parsed, "a table written out reads back the same");
    return 0;
}
