// Text on its way to a byte sink in blocks of some 64 KiB, for the encoders that write
// lines: their memory stays the same however long the file. After a failed write the rest
// is dropped and finish() reports the failure.
#pragma once

#include <string>
#include <string_view>

#include "files/byte_sink.h"

namespace trochograph {

class TextStream {
public:
    explicit TextStream(ByteSink& sink) : sink_(sink) { block_.reserve(blockSize + 256); }

    TextStream& operator<<(std::string_view text)
    {
        block_ += text;
        if (block_.size() >= blockSize) flush();
        return *this;
    }
    TextStream& operator<<(char c)
    {
        block_ += c;
        return *this;
    }
    TextStream& operator<<(int n) { return *this << std::string_view(std::to_string(n)); }

    Result<void> finish()
    {
        flush();
        return result_;
    }

private:
    static constexpr std::size_t blockSize = 64 * 1024;

    void flush()
    {
        if (result_ && !block_.empty())
            result_ = put(sink_, {reinterpret_cast<const std::uint8_t*>(block_.data()), block_.size()});
        block_.clear();
    }

    ByteSink& sink_;
    std::string block_;
    Result<void> result_;
};

// Each line of `text` after `marker` and a space, the way both machine formats carry the
// curve's parameters in comments. A line longer than commentWidth (the palette's 256 words)
// goes on in lines that start with a second space, broken between words: controllers and
// their senders count a line's bytes, comments included, against buffers of 80 to 128.
inline void writeCommentLines(TextStream& out, std::string_view marker, std::string_view text)
{
    constexpr std::size_t commentWidth = 72;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        std::string_view indent = " ";
        while (line.size() > commentWidth) {
            std::size_t cut = line.rfind(' ', commentWidth);
            if (cut == std::string_view::npos || cut == 0) cut = line.find(' ');
            if (cut == std::string_view::npos) break;
            out << marker << indent << line.substr(0, cut) << '\n';
            line.remove_prefix(cut + 1);
            indent = "  ";
        }
        out << marker << indent << line << '\n';
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace trochograph
