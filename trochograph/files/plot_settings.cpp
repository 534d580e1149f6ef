#include "files/plot_settings.h"

#include <cmath>

#include "common/c_numbers.h"

namespace trochograph {

namespace {

std::string numberText(double v)
{
    return v == std::floor(v) ? decimalText(static_cast<long long>(v)) : shortestText(v);
}

}  // namespace

std::string rangeText(Range<double> r) { return numberText(r.low) + " to " + numberText(r.high); }

std::optional<std::string> penLineProblem(std::string_view line)
{
    if (line.empty()) return "is empty";
    if (line.size() > plot_limits::penLineBytes)
        return "is longer than " + decimalText(static_cast<long long>(plot_limits::penLineBytes)) + " characters";
    for (const char c : line) {
        if (c == '\n' || c == '\r') return "holds a line break";
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return "holds a control character";
    }
    return std::nullopt;
}

Result<void> checkPlotSettings(const PlotSettings& s)
{
    using namespace plot_limits;
    if (!size.contains(s.size)) return Error{ErrorCode::badValue, "the plot size must be " + rangeText(size) + " mm"};
    if (!feed.contains(s.feed) || !feed.contains(s.travelFeed))
        return Error{ErrorCode::badValue, "the feeds must be " + rangeText(feed) + " mm/min"};
    if (!tolerance.contains(s.tolerance))
        return Error{ErrorCode::badValue, "the tolerance must be " + rangeText(tolerance) + " mm"};
    if (const auto problem = penLineProblem(s.penUp))
        return Error{ErrorCode::badValue, "the pen-up line " + *problem};
    if (const auto problem = penLineProblem(s.penDown))
        return Error{ErrorCode::badValue, "the pen-down line " + *problem};
    return {};
}

std::string_view originName(PlotOrigin origin) { return origin == PlotOrigin::corner ? "corner" : "centre"; }
std::string_view trackEndName(TrackEnd end) { return end == TrackEnd::centre ? "centre" : "edge"; }

std::optional<PlotOrigin> originNamed(std::string_view name)
{
    if (name == "corner") return PlotOrigin::corner;
    if (name == "centre") return PlotOrigin::centre;
    return std::nullopt;
}

std::optional<TrackEnd> trackEndNamed(std::string_view name)
{
    if (name == "centre") return TrackEnd::centre;
    if (name == "edge") return TrackEnd::edge;
    return std::nullopt;
}

SettingsEntries plotSettingsEntries(const PlotSettings& s)
{
    return {
        {"size", shortestText(s.size)},
        {"tolerance", shortestText(s.tolerance)},
        {"origin", std::string(originName(s.origin))},
        {"penUp", s.penUp},
        {"penDown", s.penDown},
        {"feed", shortestText(s.feed)},
        {"travelFeed", shortestText(s.travelFeed)},
        {"penChange", s.penChange ? "1" : "0"},
        {"fit", s.fit ? "1" : "0"},
        {"trackFrom", std::string(trackEndName(s.trackFrom))},
        {"trackTo", std::string(trackEndName(s.trackTo))},
    };
}

PlotSettings plotSettingsFrom(const SettingsEntries& entries)
{
    PlotSettings s;
    const auto number = [](const std::string& text, Range<double> range, double& field) {
        if (const auto v = exactReal(text); v && range.contains(*v)) field = *v;
    };
    const auto line = [](const std::string& text, std::string& field) {
        if (!penLineProblem(text)) field = text;
    };
    for (const auto& [key, value] : entries) {
        if (key == "size") number(value, plot_limits::size, s.size);
        else if (key == "tolerance") number(value, plot_limits::tolerance, s.tolerance);
        else if (key == "feed") number(value, plot_limits::feed, s.feed);
        else if (key == "travelFeed") number(value, plot_limits::feed, s.travelFeed);
        else if (key == "penUp") line(value, s.penUp);
        else if (key == "penDown") line(value, s.penDown);
        else if (key == "penChange") s.penChange = value == "1";
        else if (key == "fit") s.fit = value == "1";
        else if (key == "origin") s.origin = originNamed(value).value_or(s.origin);
        else if (key == "trackFrom") s.trackFrom = trackEndNamed(value).value_or(s.trackFrom);
        else if (key == "trackTo") s.trackTo = trackEndNamed(value).value_or(s.trackTo);
    }
    return s;
}

}  // namespace trochograph
