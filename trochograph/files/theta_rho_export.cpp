#include "files/theta_rho_export.h"

#include <cmath>
#include <new>

#include "common/c_numbers.h"
#include "files/plot_path.h"
#include "files/sand_track.h"
#include "files/text_stream.h"

namespace trochograph {

namespace {

std::string number(double v)
{
    if (std::abs(v) < 0.5e-6) v = 0;
    return fixedText(v, thetaRhoDecimals);
}

class TrackWriter final : public TrackPoints {
public:
    explicit TrackWriter(TextStream& out) : out_(out) {}
    void point(double theta, double rho, bool) override { out_ << number(theta) << ' ' << number(rho) << '\n'; }

private:
    TextStream& out_;
};

Result<void> encode(const DrawingRecord& record, ByteSink& sink, std::string_view parameters,
                    const PlotSettings& settings)
{
    const double reach = settings.fit ? trackReach(record) : 0;
    const double radius = settings.size / 2;
    // In table radii, less what rounding the two numbers may move a point by.
    const double tolerance = settings.tolerance / radius - 2 * roundingMargin(1, thetaRhoDecimals);

    TextStream out(sink);
    out << "# Trochograph sand table track: theta in radians from the +y axis towards +x, rho from 0 at the "
           "centre to 1 at the edge\n";
    out << "# Table " << shortestText(settings.size) << " mm across, tolerance " << shortestText(settings.tolerance)
        << " mm";
    if (reach > 1) out << ", the curve scaled in by " << fixedText(1 / reach, 4);
    out << "\n# Curve parameters:\n";
    writeCommentLines(out, "#", parameters);
    TrackWriter writer(out);
    if (Result<void> planned = planTrack(record, settings, reach, tolerance, writer); !planned) return planned;
    return out.finish();
}

}  // namespace

Result<void> encodeThetaRho(const DrawingRecord& record, ByteSink& sink, std::string_view parameters,
                            const PlotSettings& settings)
{
    try {
        return encode(record, sink, parameters, settings);
    } catch (const std::bad_alloc&) {
        return noMemoryToWrite();
    }
}

}  // namespace trochograph
