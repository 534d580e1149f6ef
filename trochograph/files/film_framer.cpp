#include "files/film_framer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trochograph {

namespace {

// Per frame run, the spans a frame of circles on a 9600 canvas draws stay well below this;
// past it the whole canvas is filtered again.
constexpr std::size_t spanCapacity = 1 << 20;

}  // namespace

FilmFramer::FilmFramer(Surface& canvas, FilmSize size, Colorref background, bool keepColours)
    : canvas_(canvas),
      size_(size),
      changes_(spanCapacity),
      scaled_(size.picture != canvas.width()),
      background_(background),
      keepColours_(keepColours),
      tiles_((size.picture + tile - 1) / tile)
{
    if (scaled_ || size.frame != canvas.width()) frame_.reset(size.frame, size.frame, background);
    if (scaled_) {
        const int side = canvas.width();
        const double scale = static_cast<double>(side) / size.picture;
        lineCover_ = static_cast<float>(0.5 / scale);
        firstTouched_.assign(static_cast<std::size_t>(side), size.picture);
        lastTouched_.assign(static_cast<std::size_t>(side), 0);
        for (int i = 0; i < size.picture; ++i) {
            const double from = i * scale, to = (i + 1) * scale;
            const int first = static_cast<int>(std::floor(from));
            const int end = std::min(side, static_cast<int>(std::ceil(to)));
            taps_.push_back({first, end - first, weights_.size()});
            for (int j = first; j < end; ++j) {
                const double covered = std::min(to, j + 1.0) - std::max(from, static_cast<double>(j));
                weights_.push_back(static_cast<float>(covered / scale));
                firstTouched_[static_cast<std::size_t>(j)] = std::min(firstTouched_[static_cast<std::size_t>(j)], i);
                lastTouched_[static_cast<std::size_t>(j)] = std::max(lastTouched_[static_cast<std::size_t>(j)], i);
            }
        }
        dirty_.assign(static_cast<std::size_t>(tiles_) * tiles_, 1);
    }
    changes_.markAll();
    canvas_.attach(changes_);
}

FilmFramer::~FilmFramer() { canvas_.detach(changes_); }

const Surface& FilmFramer::frame()
{
    if (frame_.width() == 0) {
        changes_.clear();
        return canvas_;
    }
    if (scaled_) {
        markChanged();
        for (int ty = 0; ty < tiles_; ++ty)
            for (int tx = 0; tx < tiles_; ++tx) {
                std::uint8_t& mark = dirty_[static_cast<std::size_t>(ty) * tiles_ + tx];
                if (!mark) continue;
                filterTile(tx, ty);
                mark = 0;
            }
    } else {
        copyChanges();
    }
    changes_.clear();
    return frame_;
}

void FilmFramer::markChanged()
{
    if (changes_.all()) {
        std::fill(dirty_.begin(), dirty_.end(), 1);
        return;
    }
    for (const Span& span : changes_.spans()) markTiles(span.y, span.x0, span.x1);
}

void FilmFramer::markTiles(int y, int x0, int x1)
{
    const auto at = [](const std::vector<int>& v, int i) { return v[static_cast<std::size_t>(i)]; };
    const int row0 = at(firstTouched_, y) / tile, row1 = at(lastTouched_, y) / tile;
    const int col0 = at(firstTouched_, x0) / tile, col1 = at(lastTouched_, x1 - 1) / tile;
    for (int ty = row0; ty <= row1; ++ty)
        std::fill_n(dirty_.begin() + static_cast<std::ptrdiff_t>(ty) * tiles_ + col0, col1 - col0 + 1, 1);
}

void FilmFramer::copyChanges()
{
    if (changes_.all()) {
        frame_.blit({0, 0}, canvas_, canvas_.bounds());
        return;
    }
    for (const Span& span : changes_.spans()) frame_.copySpan(canvas_, span.y, span.x0, span.x1);
}

void FilmFramer::filterTile(int tx, int ty)
{
    const int x0 = tx * tile, x1 = std::min(size_.picture, x0 + tile);
    const int y0 = ty * tile, y1 = std::min(size_.picture, y0 + tile);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) frame_.setPixel(x, y, keepColours_ ? drawnColourOf(x, y) : meanOf(x, y));
}

Colorref FilmFramer::meanOf(int x, int y) const
{
    const Taps& down = taps_[static_cast<std::size_t>(y)];
    const Taps& across = taps_[static_cast<std::size_t>(x)];
    float red = 0, green = 0, blue = 0;
    for (int j = 0; j < down.count; ++j) {
        const float wy = weights_[down.weights + static_cast<std::size_t>(j)];
        const Colorref* in = canvas_.row(down.first + j) + across.first;
        float r = 0, g = 0, b = 0;
        for (int i = 0; i < across.count; ++i) {
            const float wx = weights_[across.weights + static_cast<std::size_t>(i)];
            r += wx * static_cast<float>(redOf(in[i]));
            g += wx * static_cast<float>(greenOf(in[i]));
            b += wx * static_cast<float>(blueOf(in[i]));
        }
        red += wy * r;
        green += wy * g;
        blue += wy * b;
    }
    const auto channel = [](float v) { return std::clamp(static_cast<int>(v + 0.5f), 0, 255); };
    return rgb(channel(red), channel(green), channel(blue));
}

Colorref FilmFramer::drawnColourOf(int x, int y) const
{
    const Taps& down = taps_[static_cast<std::size_t>(y)];
    const Taps& across = taps_[static_cast<std::size_t>(x)];
    // A frame pixel covers a few dozen canvas pixels at most, of few colours.
    struct Cover {
        Colorref colour;
        float weight;
    };
    std::array<Cover, 16> covers;
    std::size_t count = 0;
    float drawn = 0;
    for (int j = 0; j < down.count; ++j) {
        const float wy = weights_[down.weights + static_cast<std::size_t>(j)];
        const Colorref* in = canvas_.row(down.first + j) + across.first;
        for (int i = 0; i < across.count; ++i) {
            if (in[i] == background_) continue;
            const float w = wy * weights_[across.weights + static_cast<std::size_t>(i)];
            drawn += w;
            std::size_t k = 0;
            while (k < count && covers[k].colour != in[i]) ++k;
            if (k < count)
                covers[k].weight += w;
            else if (count < covers.size())
                covers[count++] = {in[i], w};
        }
    }
    if (drawn < lineCover_) return background_;
    const Cover* most = std::max_element(covers.begin(), covers.begin() + static_cast<std::ptrdiff_t>(count),
                                         [](const Cover& a, const Cover& b) { return a.weight < b.weight; });
    return most->colour;
}

}  // namespace trochograph
