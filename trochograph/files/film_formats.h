// The films the programs write, one row a format: the extension that asks for it, its name
// in the file dialog, the codec inside and whether its frames need even sides. The window's
// Save Animation, both command lines and the film writer all choose from this table, and
// the size rule every film follows is here too.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "common/range.h"

namespace trochograph {

enum class VideoKind { mp4, webm, gif };

struct FilmFormat {
    VideoKind kind;
    const char* extension;  // with its dot, in lower case
    const char* label;      // the file dialog's name for it
    const char* codec;      // as a user knows it
    // 4:2:0 colour covers the picture in blocks of 2 x 2 pixels.
    bool evenSide;
    // A frame holds at most 256 colours, so a scaled-down canvas keeps its own colours
    // rather than the blends an area mean makes (see FilmFramer).
    bool paletted;
};

std::span<const FilmFormat> filmFormats();
const FilmFormat& filmFormat(VideoKind kind);

// The kind a file name asks for by its extension, in any case.
std::optional<VideoKind> videoKindOf(const std::filesystem::path& path);

// ".mp4, .webm or .gif"
std::string filmExtensionList();
// "MP4 video (*.mp4);;WebM video (*.webm);;GIF animation (*.gif)", for a file dialog.
const char* filmDialogFilter();

// Frames per second a film may have.
inline constexpr int minFps = 1, maxFps = 60;
// How long the drawing of a curve's film may take, in seconds.
inline constexpr Range<double> filmSeconds{1, 600};
// Sides a film's frames may have. The encoders' own buffers grow with the frame, about
// 580 MB for H.264 at 2160 pixels: a larger canvas is filmed scaled down to this.
inline constexpr int minFilmSide = 2, maxFilmSide = 2160;

// What a user chooses for a curve's film.
struct FilmOptions {
    int fps = 30;
    double seconds = 10;  // the drawing's length; the held end comes on top
    int side = 0;         // the film's picture; 0 for the canvas's (at most maxFilmSide)
};

// The picture a film of a canvas shows, and the frame around it.
struct FilmSize {
    int picture;  // the canvas, scaled down when it is larger
    int frame;    // the picture, with a column and a row of background when the format needs even sides
};

// The film of a canvas of side `canvas` in format `kind`; `asked` is the side the user
// chose (0 for the canvas's own). The picture is at most maxFilmSide and never larger
// than the canvas. An odd picture is padded rather than cropped, where the format needs
// even sides, so that no drawn pixel is lost at the edge.
FilmSize filmSizeOf(VideoKind kind, int canvas, int asked = 0);

}  // namespace trochograph
