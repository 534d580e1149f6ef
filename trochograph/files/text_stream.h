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
// curve's parameters in comments.
inline void writeCommentLines(TextStream& out, std::string_view marker, std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        out << marker << ' ' << line << '\n';
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace trochograph
