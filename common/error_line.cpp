#include "common/error_line.h"

#include <cstdio>

namespace trochograph {

std::string escapedControls(std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

void printErrorLine(const char* program, std::string_view message)
{
    std::fprintf(stderr, "%s: %s\n", program, escapedControls(message).c_str());
}

}  // namespace trochograph
