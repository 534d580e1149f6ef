// FFmpeg's input and output over a file descriptor the program made, so that a film is
// written into its temporary file without that file ever being opened again by name: a name
// can be swapped for a link, and an unnamed file has none.
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

namespace trochograph {

// A context that writes (or only reads) `fd` at a position of its own, seeking as the
// muxers ask; null without memory. `fd` stays the caller's, open until the context is closed.
AVIOContext* openDescriptorIo(int fd, bool writable);

// Writes what is buffered, frees the context and sets it to null; returns the first error
// of any write through it (a negative AVERROR), 0 when none.
int closeDescriptorIo(AVIOContext** io);

// Gives `format` its output on `*fd` and makes every further stream it asks for a reading
// context on the same descriptor: the MP4 muxer reads its output back to put the index
// first, and nothing else opens streams while muxing. `fd` must outlive `format`.
[[nodiscard]] bool writeFormatTo(AVFormatContext* format, const int* fd);

}  // namespace trochograph
