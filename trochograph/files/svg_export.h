// The canvas's curves as an SVG 1.1 drawing for plotters, cutters and editors: the
// background as a rectangle, one path per run of segments of the same colour and pen, with
// round caps and joins, in the canvas's own pixel coordinates (viewBox 0 0 res res) so that
// the drawing lies exactly over the raster picture. The curve's parameters go into the
// metadata. Coordinates are written in the shortest form that reads back as the same
// double, so nothing is rounded.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "byte_sink.h"
#include "drawing_record.h"
#include "save_error.h"

namespace trochograph {

std::string svgDocument(const DrawingRecord& record, std::string_view parameters);

bool encodeSvg(const DrawingRecord& record, std::string_view parameters, ByteSink& sink);

// Replaces `path` only once the whole drawing is written; the codes are those of writetga.
SaveResult writeSvg(const DrawingRecord& record, std::string_view parameters, const std::filesystem::path& path);

}  // namespace trochograph
