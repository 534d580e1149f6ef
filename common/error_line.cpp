#include "common/error_line.h"

#include <cstdio>

namespace trochograph {

namespace {

constexpr char hex[] = "0123456789abcdef";

void appendEscaped(std::string& out, unsigned char byte)
{
    out += "\\x";
    out += hex[byte >> 4];
    out += hex[byte & 0xF];
}

}  // namespace

std::string escapedControls(std::string_view text, Tabs tabs)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        // U+0080 to U+009F: terminals may take U+009B for the escape that starts a command.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t' && tabs == Tabs::escaped) {
            out += "\\t";
        } else if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
            appendEscaped(out, byte);
        } else if (c1) {
            appendEscaped(out, byte);
            appendEscaped(out, static_cast<unsigned char>(text[++i]));
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

int exitCodeFor(ErrorCode code) { return code == ErrorCode::usage || code == ErrorCode::badValue ? 2 : 1; }

int reportFailure(const char* program, const Error& error)
{
    printErrorLine(program, error.message);
    return exitCodeFor(error.code);
}

}  // namespace trochograph
