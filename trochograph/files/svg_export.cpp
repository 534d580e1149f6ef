#include "svg_export.h"

#include <cstdio>

#include "c_numbers.h"
#include "save_file.h"

namespace trochograph {

namespace {

std::string hexColor(Colorref c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return text;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

// One <path> per run; close() ends the last.
class PathWriter final : public PolylineSink {
public:
    explicit PathWriter(std::string& out) : out_(out) {}

    void close()
    {
        if (open_) out_ += "\"/>\n";
        open_ = false;
    }

private:
    void startRun(Colorref color, int width) override
    {
        close();
        out_ += "<path stroke=\"" + hexColor(color) + "\" stroke-width=\"" + std::to_string(width) + "\" d=\"";
        open_ = true;
    }
    void moveTo(double x, double y) override { point('M', x, y); }
    void lineTo(double x, double y) override { point('L', x, y); }

    void point(char command, double x, double y)
    {
        if (out_.back() != '"') out_ += ' ';
        out_ += command;
        out_ += shortestText(x);
        out_ += ' ';
        out_ += shortestText(y);
    }

    std::string& out_;
    bool open_ = false;
};

}  // namespace

std::string svgDocument(const DrawingRecord& record, std::string_view parameters)
{
    const std::string side = std::to_string(record.res());
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + side + "\" height=\"" +
                      side + "\" viewBox=\"0 0 " + side + " " + side + "\">\n";
    out += "<metadata id=\"trochograph-parameters\">\n" + escaped(parameters) + "</metadata>\n";
    out += "<rect width=\"" + side + "\" height=\"" + side + "\" fill=\"" + hexColor(record.background()) + "\"/>\n";
    out += "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    PathWriter paths(out);
    record.replay(paths);
    paths.close();
    out += "</g>\n</svg>\n";
    return out;
}

bool encodeSvg(const DrawingRecord& record, std::string_view parameters, ByteSink& sink)
{
    const std::string text = svgDocument(record, parameters);
    return sink.write({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

SaveResult writeSvg(const DrawingRecord& record, std::string_view parameters, const std::filesystem::path& path)
{
    return saveFile(path, [&](ByteSink& sink) { return encodeSvg(record, parameters, sink); });
}

}  // namespace trochograph
