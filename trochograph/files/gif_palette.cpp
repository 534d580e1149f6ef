#include "files/gif_palette.h"

#include <algorithm>

namespace trochograph {

namespace {

constexpr std::size_t tableSize = 256;

// A pixel's colour without whatever its unused high byte holds.
Colorref colourOf(Colorref pixel) { return pixel & 0x00FFFFFF; }

int squaredDistance(Colorref a, Colorref b)
{
    const int r = redOf(a) - redOf(b), g = greenOf(a) - greenOf(b), bl = blueOf(a) - blueOf(b);
    return r * r + g * g + bl * bl;
}

}  // namespace

GifPalettes::GifPalettes(std::span<const Colorref> likely) : likely_(likely.begin(), likely.end()) {}

const GifPalettes::Table& GifPalettes::index(const Surface& frame, std::uint8_t* indices, std::ptrdiff_t stride)
{
    countColours(frame);
    chooseColours();
    if (!started_) {
        makeFirstTable();
        started_ = true;
    }
    usedFirst_ = mapToFirstTable();
    if (!usedFirst_) mapToOwnTable();
    writeIndices(frame, indices, stride);
    previous_ = table_;

    const std::uint32_t alpha = usedFirst_ ? 0xFF000000u : 0xFE000000u;
    for (std::size_t i = 0; i < tableSize; ++i) {
        const Colorref c = table_[i] == invalidColor ? 0 : table_[i];
        entries_[i] = alpha | std::uint32_t(redOf(c)) << 16 | std::uint32_t(greenOf(c)) << 8 | std::uint32_t(blueOf(c));
    }
    return entries_;
}

void GifPalettes::countColours(const Surface& frame)
{
    counts_.clear();
    const std::span<const Colorref> pixels = frame.pixels();
    // Canvases are long runs of one colour: one look-up per run.
    for (std::size_t i = 0; i < pixels.size();) {
        const Colorref c = colourOf(pixels[i]);
        std::size_t j = i + 1;
        while (j < pixels.size() && colourOf(pixels[j]) == c) ++j;
        counts_[c] += j - i;
        i = j;
    }
}

void GifPalettes::chooseColours()
{
    chosen_.clear();
    for (const auto& [c, n] : counts_) chosen_.push_back(c);
    std::sort(chosen_.begin(), chosen_.end(), [this](Colorref a, Colorref b) {
        const std::uint64_t na = counts_.at(a), nb = counts_.at(b);
        return na != nb ? na > nb : a < b;
    });
    if (chosen_.size() > tableSize) chosen_.resize(tableSize);
}

void GifPalettes::makeFirstTable()
{
    first_.fill(invalidColor);
    firstPlace_.clear();
    std::size_t n = 0;
    const auto add = [&](Colorref c) {
        if (n < tableSize && firstPlace_.emplace(c, std::uint8_t(n)).second) first_[n++] = c;
    };
    for (Colorref c : chosen_) add(c);
    for (Colorref c : likely_) add(colourOf(c));
    // Nothing came before the first frame to disagree with it.
    previous_ = first_;
}

bool GifPalettes::mapToFirstTable()
{
    place_.clear();
    for (Colorref c : chosen_) {
        const auto found = firstPlace_.find(c);
        if (found == firstPlace_.end()) return false;
        place_.emplace(c, found->second);
    }
    table_ = first_;
    for (const auto& [c, n] : counts_)
        if (!place_.contains(c)) place_.emplace(c, nearest(c));
    // The encoder takes an index the frame before also had at a pixel for an unchanged pixel.
    for (const auto& [c, p] : place_)
        if (previous_[p] != first_[p]) return false;
    return true;
}

void GifPalettes::mapToOwnTable()
{
    table_ = first_;
    place_.clear();
    std::array<bool, tableSize> taken{};
    for (Colorref c : chosen_) {
        if (const auto found = firstPlace_.find(c); found != firstPlace_.end()) {
            taken[found->second] = true;
            place_.emplace(c, found->second);
        }
    }
    // At most 256 colours are chosen, so a free place is always left for each.
    std::size_t free = tableSize - 1;
    for (Colorref c : chosen_) {
        if (place_.contains(c)) continue;
        while (taken[free]) --free;
        table_[free] = c;
        taken[free] = true;
        place_.emplace(c, std::uint8_t(free));
    }
    for (const auto& [c, n] : counts_)
        if (!place_.contains(c)) place_.emplace(c, nearest(c));
}

std::uint8_t GifPalettes::nearest(Colorref c) const
{
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < tableSize; ++i) {
        if (table_[i] == invalidColor) continue;
        if (const int d = squaredDistance(c, table_[i]); d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return std::uint8_t(best);
}

void GifPalettes::writeIndices(const Surface& frame, std::uint8_t* indices, std::ptrdiff_t stride)
{
    Colorref last = invalidColor;
    std::uint8_t lastPlace = 0;
    for (int y = 0; y < frame.height(); ++y) {
        const Colorref* row = frame.row(y);
        std::uint8_t* out = indices + stride * y;
        for (int x = 0; x < frame.width(); ++x) {
            const Colorref c = colourOf(row[x]);
            if (c != last) {
                last = c;
                lastPlace = place_.at(c);
            }
            out[x] = lastPlace;
        }
    }
}

}  // namespace trochograph
