#include "files/gcode_export.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <new>

#include "common/c_numbers.h"
#include "files/plot_path.h"
#include "files/text_stream.h"

namespace trochograph {

namespace {

std::string coordinate(double v)
{
    // Rounded to zero, a small negative number would read "-0.000".
    if (std::abs(v) < 0.0005) v = 0;
    return fixedText(v, gcodeDecimals);
}

std::string colorText(Colorref c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return text;
}

// The bounds of the points the pen draws.
class PlotBounds final : public PlotMoves {
public:
    void run(Colorref, bool) override {}
    void travel(PlanePoint to) override { include(to); }
    void draw(PlanePoint to) override { include(to); }
    bool empty() const { return low.x > high.x; }

    PlanePoint low{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    PlanePoint high{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};

private:
    void include(PlanePoint p)
    {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
};

class GcodeWriter final : public PlotMoves {
public:
    GcodeWriter(TextStream& out, const PlotSettings& settings) : out_(out), settings_(settings) {}

    void run(Colorref color, bool first) override
    {
        if (down_) penLine(settings_.penUp, false);
        if (settings_.penChange && !first && color != color_)
            out_ << "M0 ; change to the pen for " << colorText(color) << '\n';
        else
            out_ << "; pen " << colorText(color) << '\n';
        color_ = color;
    }
    void travel(PlanePoint to) override
    {
        if (down_) penLine(settings_.penUp, false);
        move(to, settings_.travelFeed);
    }
    void draw(PlanePoint to) override
    {
        if (!down_) penLine(settings_.penDown, true);
        move(to, settings_.feed);
    }
    void end()
    {
        if (down_) penLine(settings_.penUp, false);
    }

private:
    // The lines may set a feed of their own, so the next move states its feed again.
    void penLine(const std::string& line, bool down)
    {
        out_ << line << '\n';
        down_ = down;
        feed_ = -1;
    }
    // Travel is G1 too: GRBL takes G0 at its fastest whatever the feed says.
    void move(PlanePoint to, double feed)
    {
        out_ << "G1 X" << coordinate(to.x) << " Y" << coordinate(to.y);
        if (feed != feed_) out_ << " F" << shortestText(feed);
        out_ << '\n';
        feed_ = feed;
    }

    TextStream& out_;
    const PlotSettings& settings_;
    Colorref color_ = 0;
    bool down_ = false;
    double feed_ = -1;
};

Result<void> encode(const DrawingRecord& record, ByteSink& sink, std::string_view parameters,
                    const PlotSettings& settings)
{
    const double tolerance = settings.tolerance - roundingMargin(1, gcodeDecimals);
    PlotBounds bounds;
    planPlot(record, settings, tolerance, bounds);

    TextStream out(sink);
    out << "; Trochograph plot on a square of " << shortestText(settings.size) << " mm, (0, 0) at its "
        << (settings.origin == PlotOrigin::corner ? "lower-left corner" : "centre") << ", y up\n";
    if (bounds.empty())
        out << "; Nothing is drawn\n";
    else
        out << "; Drawn within X " << coordinate(bounds.low.x) << " to " << coordinate(bounds.high.x) << ", Y "
            << coordinate(bounds.low.y) << " to " << coordinate(bounds.high.y) << '\n';
    out << "; Tolerance " << shortestText(settings.tolerance) << " mm\n; Curve parameters:\n";
    writeCommentLines(out, ";", parameters);
    out << "G21 ; millimetres\nG90 ; absolute coordinates\n" << settings.penUp << '\n';
    GcodeWriter writer(out, settings);
    planPlot(record, settings, tolerance, writer);
    writer.end();
    return out.finish();
}

}  // namespace

Result<void> encodeGcode(const DrawingRecord& record, ByteSink& sink, std::string_view parameters,
                         const PlotSettings& settings)
{
    try {
        return encode(record, sink, parameters, settings);
    } catch (const std::bad_alloc&) {
        return noMemoryToWrite();
    }
}

}  // namespace trochograph
