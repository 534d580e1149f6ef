#include "files/svg_export.h"

#include <cstdio>
#include <new>
#include <string>

#include "common/c_numbers.h"
#include "files/save_file.h"

namespace trochograph {

namespace {

constexpr std::size_t blockSize = 64 * 1024;

std::string hexColor(Colorref c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return text;
}

// Text on its way to the sink, a block at a time. After a failed write the rest is
// dropped and finish() reports the failure.
class SvgStream {
public:
    explicit SvgStream(ByteSink& sink) : sink_(sink) { block_.reserve(blockSize); }

    SvgStream& operator<<(std::string_view text)
    {
        block_ += text;
        if (block_.size() >= blockSize) flush();
        return *this;
    }
    SvgStream& operator<<(char c) { return *this << std::string_view(&c, 1); }
    SvgStream& operator<<(int n) { return *this << std::to_string(n); }

    Result<void> finish()
    {
        flush();
        return result_;
    }

private:
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

void writeEscaped(SvgStream& out, std::string_view text)
{
    for (const char c : text) {
        if (c == '&') out << "&amp;";
        else if (c == '<') out << "&lt;";
        else if (c == '>') out << "&gt;";
        else out << c;
    }
}

// One <path> per run; close() ends the last.
class PathWriter final : public PolylineSink {
public:
    explicit PathWriter(SvgStream& out) : out_(out) {}

    void close()
    {
        if (open_) out_ << "\"/>\n";
        open_ = false;
    }

private:
    void startRun(Colorref color, int width) override
    {
        close();
        out_ << "<path stroke=\"" << hexColor(color) << "\" stroke-width=\"" << width << "\" d=\"";
        open_ = true;
        first_ = true;
    }
    void moveTo(double x, double y) override { point('M', x, y); }
    void lineTo(double x, double y) override { point('L', x, y); }

    void point(char command, double x, double y)
    {
        if (!first_) out_ << ' ';
        first_ = false;
        out_ << command << shortestText(x) << ' ' << shortestText(y);
    }

    SvgStream& out_;
    bool open_ = false;
    bool first_ = true;  // no point of the open path written yet
};

Result<void> encode(const DrawingRecord& record, ByteSink& sink, std::string_view parameters)
{
    const int side = record.res();
    SvgStream out(sink);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << side << "\" height=\"" << side
        << "\" viewBox=\"0 0 " << side << " " << side << "\">\n";
    out << "<metadata id=\"trochograph-parameters\">\n";
    writeEscaped(out, parameters);
    out << "</metadata>\n";
    out << "<rect width=\"" << side << "\" height=\"" << side << "\" fill=\"" << hexColor(record.background()) << "\"/>\n";
    out << "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    PathWriter paths(out);
    record.replay(paths);
    paths.close();
    out << "</g>\n</svg>\n";
    return out.finish();
}

}  // namespace

Result<void> encodeSvg(const DrawingRecord& record, ByteSink& sink, std::string_view parameters)
{
    try {
        return encode(record, sink, parameters);
    } catch (const std::bad_alloc&) {
        return noMemoryToWrite();
    }
}

Result<void> writeSvg(const DrawingRecord& record, const std::filesystem::path& path, std::string_view parameters)
{
    return saveFile(path, [&](ByteSink& sink) { return encodeSvg(record, sink, parameters); });
}

}  // namespace trochograph
