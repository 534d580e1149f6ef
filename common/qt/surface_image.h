// Surfaces as Qt pictures. A surface's words carry 0 in their top byte, which Qt would take
// for full transparency wherever a window's backing store has an alpha channel (Wayland's
// do), so a surface is never painted from its own rows: its pixels are copied into an
// opaque RGB32 picture, and a window copies only the runs that changed.
#pragma once

#include <QImage>

#include "common/span_recorder.h"
#include "common/surface.h"

namespace trochograph {

// The whole surface as an opaque picture.
QImage toImage(const Surface& surface);

// Brings `image` up to date with the runs of `surface` that `changes` lists (all of it when
// it says so, or when `image` has another size: it is made anew then) and returns the area
// copied.
Rect copyChanges(const Surface& surface, const SpanRecorder& changes, QImage& image);

}  // namespace trochograph
