#include "files/film_formats.h"

#include <algorithm>

#include "files/picture_formats.h"

namespace trochograph {

namespace {

constexpr FilmFormat formats[] = {
    {VideoKind::mp4, ".mp4", "MP4 video", "H.264", true, false},
    {VideoKind::webm, ".webm", "WebM video", "VP9", false, false},
    {VideoKind::gif, ".gif", "GIF animation", "GIF", false, true},
};

}  // namespace

std::span<const FilmFormat> filmFormats() { return formats; }

const FilmFormat& filmFormat(VideoKind kind)
{
    for (const FilmFormat& format : formats)
        if (format.kind == kind) return format;
    return formats[0];
}

std::optional<VideoKind> videoKindOf(const std::filesystem::path& path)
{
    const std::string extension = lowerExtension(path);
    for (const FilmFormat& format : formats)
        if (extension == format.extension) return format.kind;
    return std::nullopt;
}

std::string filmExtensionList()
{
    std::string list;
    const std::size_t count = std::size(formats);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) list += i + 1 == count ? " or " : ", ";
        list += formats[i].extension;
    }
    return list;
}

const char* filmDialogFilter()
{
    static const std::string filter = [] {
        std::string text;
        for (const FilmFormat& format : formats) {
            if (!text.empty()) text += ";;";
            text += std::string(format.label) + " (*" + format.extension + ")";
        }
        return text;
    }();
    return filter.c_str();
}

FilmSize filmSizeOf(VideoKind kind, int canvas, int asked)
{
    int picture = std::min(canvas, maxFilmSide);
    if (asked > 0) picture = std::min(picture, asked);
    picture = std::max(picture, minFilmSide);
    const bool pad = filmFormat(kind).evenSide && picture % 2 != 0;
    return {picture, pad ? picture + 1 : picture};
}

}  // namespace trochograph
