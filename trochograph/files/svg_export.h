// The canvas's curves as an SVG 1.1 drawing for plotters, cutters and editors: the
// background as a rectangle, one path per run of segments of the same colour and pen, with
// round caps and joins, and the circles the animation left in the canvas as circle,
// ellipse and line elements and a filled disc for the pen tip, each where it was drawn
// between the paths; all in the canvas's own pixel coordinates (viewBox 0 0 res res) so
// that the drawing lies exactly over the raster picture. The curve's parameters go into
// the metadata. Coordinates are written in the shortest form that reads back as the same
// double, so nothing is rounded.
#pragma once

#include <filesystem>
#include <string_view>

#include "common/result.h"
#include "engine/drawing_record.h"
#include "files/byte_sink.h"

namespace trochograph {

// Streams the drawing to the sink in blocks of some 64 KiB, so that its memory stays the
// same however many curves the record holds. Fails when the sink does (writeFailed) or
// memory runs out (noMemory).
Result<void> encodeSvg(const DrawingRecord& record, ByteSink& sink, std::string_view parameters);

// Replaces `path` only once the whole drawing is written; the codes are those of writeTarga.
Result<void> writeSvg(const DrawingRecord& record, const std::filesystem::path& path, std::string_view parameters);

}  // namespace trochograph
