// How the curves are drawn by a machine: the square of paper a pen plotter or CNC draws
// them on (or the round table a sand table's ball moves over), the G-code lines that lift
// and lower its pen, its feeds, and how closely the machine's path follows the curve. The
// command line, the window's plot settings dialog and the settings file all hold one of
// these, and every limit is here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/range.h"
#include "common/result.h"

namespace trochograph {

// Where the plot's (0, 0) lies: the square's lower-left corner or its centre.
enum class PlotOrigin { corner, centre };
// Where a sand table's track starts or ends: at the table's centre or on its edge.
enum class TrackEnd { centre, edge };

struct PlotSettings {
    double size = 200;  // the square's side, or the table's diameter, in millimetres
    PlotOrigin origin = PlotOrigin::corner;
    std::string penUp = "G0 Z5";
    std::string penDown = "G1 Z0 F500";
    double feed = 1500;        // mm/min while drawing
    double travelFeed = 3000;  // mm/min with the pen up
    bool penChange = false;    // pause (M0) for a new pen between colour runs
    double tolerance = 0.05;   // mm the machine's path may stray from the curve
    bool fit = false;          // scale a curve reaching beyond the table's edge in to it
    TrackEnd trackFrom = TrackEnd::centre;
    TrackEnd trackTo = TrackEnd::centre;

    friend bool operator==(const PlotSettings&, const PlotSettings&) = default;
};

namespace plot_limits {
inline constexpr Range<double> size{10, 5000};
inline constexpr Range<double> feed{1, 100000};
inline constexpr Range<double> tolerance{0.01, 10};
inline constexpr std::size_t penLineBytes = 200;
}  // namespace plot_limits

// "10 to 5000", "0.01 to 10": a range as messages and usage texts give it.
std::string rangeText(Range<double> range);

// Why `line` can't be written as one line of G-code ("holds a line break"), or nothing.
std::optional<std::string> penLineProblem(std::string_view line);

// The first setting out of its limits, as "the pen-up line holds a line break" or "the
// plot size must be 10 to 5000 mm" (badValue); the command line and the dialog check
// the same.
Result<void> checkPlotSettings(const PlotSettings& settings);

// "corner" and "centre", "centre" and "edge": the names the command line and the settings
// file use.
std::string_view originName(PlotOrigin origin);
std::string_view trackEndName(TrackEnd end);
std::optional<PlotOrigin> originNamed(std::string_view name);
std::optional<TrackEnd> trackEndNamed(std::string_view name);

// The settings as the settings file keeps them, key and value, and back: a value missing
// or refused leaves its default, so that a damaged file costs no more than that value.
using SettingsEntries = std::vector<std::pair<std::string, std::string>>;
SettingsEntries plotSettingsEntries(const PlotSettings& settings);
PlotSettings plotSettingsFrom(const SettingsEntries& entries);

}  // namespace trochograph
