#include "files/svg_export.h"

#include <cstdio>
#include <new>
#include <string>

#include "common/c_numbers.h"
#include "files/save_file.h"
#include "files/text_stream.h"

namespace trochograph {

namespace {

std::string hexColor(Colorref c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return text;
}

// An attribute holding a number, and the attributes of a pen.
struct Number {
    Number(std::string_view n, double v) : name(n), value(v) {}
    std::string_view name;
    double value;
};
TextStream& operator<<(TextStream& out, const Number& n)
{
    return out << ' ' << n.name << "=\"" << shortestText(n.value) << '"';
}
struct Pen {
    Colorref color;
    int width;
};
TextStream& operator<<(TextStream& out, const Pen& p)
{
    return out << " stroke=\"" << hexColor(p.color) << "\" stroke-width=\"" << p.width << '"';
}

void writeEscaped(TextStream& out, std::string_view text)
{
    for (const char c : text) {
        if (c == '&') out << "&amp;";
        else if (c == '<') out << "&lt;";
        else if (c == '>') out << "&gt;";
        else out << c;
    }
}

// One <path> per run, and an element per figure between them; endRun() ends the last path.
class PathWriter final : public PolylineSink {
public:
    explicit PathWriter(TextStream& out) : out_(out) {}

private:
    void startRun(Colorref color, int width) override
    {
        out_ << "<path stroke=\"" << hexColor(color) << "\" stroke-width=\"" << width << "\" d=\"";
        first_ = true;
    }
    void moveTo(double x, double y) override { point('M', x, y); }
    void lineTo(double x, double y) override { point('L', x, y); }
    void finishRun() override { out_ << "\"/>\n"; }

    void outline(const EllipseOutline& f) override
    {
        const VectorEllipse e = vectorEllipse(f.box);
        if (e.rx == e.ry)
            out_ << "<circle" << Number("cx", e.cx) << Number("cy", e.cy) << Number("r", e.rx);
        else
            out_ << "<ellipse" << Number("cx", e.cx) << Number("cy", e.cy) << Number("rx", e.rx) << Number("ry", e.ry);
        out_ << Pen{f.color, f.width} << "/>\n";
    }
    void line(const StraightLine& f) override
    {
        out_ << "<line" << Number("x1", pixelCentre(f.from.x)) << Number("y1", pixelCentre(f.from.y))
             << Number("x2", pixelCentre(f.to.x)) << Number("y2", pixelCentre(f.to.y)) << Pen{f.color, f.width}
             << "/>\n";
    }
    // A disc about as large as the dot's 13 pixels; where its clip cuts it, a clip path
    // keeps what the raster draws.
    void dot(const PenDot& f) override
    {
        if (!f.touchesClip()) return;
        std::string clip;
        if (!f.wholeInside()) {
            // Touching the clip, the dot lies within a few pixels of the canvas.
            const Rect kept = f.clip.intersected({f.at.x - 2, f.at.y - 2, f.at.x + 3, f.at.y + 3});
            clip = "dot" + std::to_string(++clips_);
            out_ << "<clipPath id=\"" << clip << "\"><rect" << Number("x", kept.left) << Number("y", kept.top)
                 << Number("width", kept.right - kept.left) << Number("height", kept.bottom - kept.top)
                 << "/></clipPath>\n";
        }
        out_ << "<circle" << Number("cx", pixelCentre(f.at.x)) << Number("cy", pixelCentre(f.at.y)) << Number("r", 2)
             << " fill=\"" << hexColor(f.color) << '"';
        if (!clip.empty()) out_ << " clip-path=\"url(#" << clip << ")\"";
        out_ << "/>\n";
    }

    void point(char command, double x, double y)
    {
        if (!first_) out_ << ' ';
        first_ = false;
        out_ << command << shortestText(x) << ' ' << shortestText(y);
    }

    TextStream& out_;
    bool first_ = true;  // no point of the open path written yet
    int clips_ = 0;
};

Result<void> encode(const DrawingRecord& record, ByteSink& sink, std::string_view parameters)
{
    const int side = record.res();
    TextStream out(sink);
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
    paths.endRun();
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
