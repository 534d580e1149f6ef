#include "files/machine_preview.h"

#include <cmath>
#include <new>

#include "common/trunc_int.h"
#include "files/gcode_export.h"
#include "files/plot_path.h"
#include "files/png_export.h"
#include "files/sand_track.h"
#include "files/theta_rho_export.h"

namespace trochograph {

namespace {

// The paper's or the table's square onto the picture, y down again.
struct PreviewMapping {
    double low, high;
    int side;
    Point operator()(PlanePoint p) const
    {
        const double scale = side / (high - low);
        return {truncToInt(std::floor((p.x - low) * scale)), truncToInt(std::floor((high - p.y) * scale))};
    }
};

class PlotPainter final : public PlotMoves {
public:
    PlotPainter(Surface& picture, PreviewMapping map) : picture_(picture), map_(map) {}
    void run(Colorref, bool) override {}
    void travel(PlanePoint to) override
    {
        picture_.line(map_(at_), map_(to), 1, previewTravel);
        at_ = to;
    }
    void draw(PlanePoint to) override
    {
        picture_.line(map_(at_), map_(to), 2, previewStroke);
        at_ = to;
    }

private:
    Surface& picture_;
    PreviewMapping map_;
    PlanePoint at_;  // the machine starts at (0, 0)
};

// The table moves theta and rho in step between two lines; a few points a line show the
// spiral it sweeps near enough.
class TrackPainter final : public TrackPoints {
public:
    TrackPainter(Surface& picture, PreviewMapping map) : picture_(picture), map_(map) {}
    void point(double theta, double rho, bool joining) override
    {
        // A join runs from the centre or the edge to the curve, or back.
        const bool join = joining || joining_;
        if (any_) {
            const int pieces = std::abs(theta - theta_) > 0.05 ? 8 : 1;
            PlanePoint from = at(theta_, rho_);
            for (int i = 1; i <= pieces; ++i) {
                const double t = static_cast<double>(i) / pieces;
                const PlanePoint to = at(theta_ + t * (theta - theta_), rho_ + t * (rho - rho_));
                picture_.line(map_(from), map_(to), join ? 1 : 2, join ? previewTravel : previewStroke);
                from = to;
            }
        }
        any_ = true;
        joining_ = joining;
        theta_ = theta;
        rho_ = rho;
    }

private:
    static PlanePoint at(double theta, double rho) { return {rho * std::sin(theta), rho * std::cos(theta)}; }

    Surface& picture_;
    PreviewMapping map_;
    bool any_ = false;
    bool joining_ = false;
    double theta_ = 0, rho_ = 0;
};

}  // namespace

Result<void> drawMachinePreview(const DrawingRecord& record, const PlotSettings& settings, PictureKind kind,
                                Surface& picture)
{
    const int side = picture.width();
    if (kind == PictureKind::gcode) {
        const PlotMapping map(record.res(), settings);
        picture.fillRect({0, 0, side, side}, previewPaper);
        PlotPainter painter(picture, {map.low, map.high, side});
        planPlot(record, settings, settings.tolerance - roundingMargin(1, gcodeDecimals), painter);
        return {};
    }
    picture.fillRect({0, 0, side, side}, previewPaper);
    picture.ellipseOutline({0, 0, side - 1, side - 1}, 1, previewTable);
    TrackPainter painter(picture, {-1, 1, side});
    const double reach = settings.fit ? trackReach(record) : 0;
    return planTrack(record, settings, reach, settings.tolerance / (settings.size / 2), painter);
}

Result<void> writeMachinePreview(const DrawingRecord& record, const PlotSettings& settings, PictureKind kind,
                                 const std::filesystem::path& path, std::string_view parameters)
{
    try {
        Surface picture(record.res(), record.res());
        if (Result<void> drawn = drawMachinePreview(record, settings, kind, picture); !drawn) return drawn;
        return writePng(picture, path, parameters);
    } catch (const std::bad_alloc&) {
        return noMemoryToWrite();
    }
}

}  // namespace trochograph
