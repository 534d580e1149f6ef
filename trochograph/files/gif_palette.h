// The colour tables of a GIF film, one per frame, in the form FFmpeg's GIF encoder takes.
//
// A frame of at most 256 colours gets exactly its colours. A frame with more gets the 256 it
// has most pixels of (ties to the smaller colour word), and each other colour is shown as the
// table's nearest colour by squared RGB distance.
//
// The encoder writes the first frame's table as the file's global table and any other table
// as the frame's local one. Only a frame that comes with the first table again is cropped to
// what changed since the frame before, with its unchanged pixels made transparent, and the
// encoder finds those by comparing colour indices, not colours. So:
// - the first table holds the first frame's colours, then as many of the `likely` colours as
//   there is room for (the palette the curves are drawn in), so that later frames fit in it;
// - a later frame uses the first table when that holds all its colours and the frame
//   before's table has the same colour at every index this frame uses: equal indices then
//   mean equal colours, and the encoder's comparison is right;
// - any other table keeps the first table's colours that the frame uses at their indices and
//   gives the frame's other colours the places of the rest, from the last place down, so
//   that the first table fits again once those colours are gone. Its entries carry an alpha
//   of 0xFE, which a GIF file doesn't store, so that the encoder never takes it for the first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "common/colorref.h"
#include "common/surface.h"

namespace trochograph {

class GifPalettes {
public:
    // FFmpeg's PAL8 entries: 0xAARRGGBB words.
    using Table = std::array<std::uint32_t, 256>;

    explicit GifPalettes(std::span<const Colorref> likely = {});

    // Writes the frame's colour indices into `indices`, rows `stride` bytes apart, and
    // returns its table, valid until the next call.
    const Table& index(const Surface& frame, std::uint8_t* indices, std::ptrdiff_t stride);

    // Whether the frame last indexed uses the first frame's table.
    bool usedFirst() const { return usedFirst_; }

private:
    // The frame's colours with their pixel counts, and the ones given a place in the table.
    void countColours(const Surface& frame);
    void chooseColours();
    void makeFirstTable();
    bool mapToFirstTable();
    void mapToOwnTable();
    // The place of the entry of `table_` nearest to `c`.
    std::uint8_t nearest(Colorref c) const;
    void writeIndices(const Surface& frame, std::uint8_t* indices, std::ptrdiff_t stride);

    std::vector<Colorref> likely_;
    std::array<Colorref, 256> first_{};     // invalidColor in unused places
    std::unordered_map<Colorref, std::uint8_t> firstPlace_;
    std::array<Colorref, 256> previous_{};  // the frame before's table
    bool started_ = false;

    std::array<Colorref, 256> table_{};  // this frame's
    std::unordered_map<Colorref, std::uint64_t> counts_;
    std::vector<Colorref> chosen_;       // most frequent first
    std::unordered_map<Colorref, std::uint8_t> place_;  // every colour of the frame
    bool usedFirst_ = false;
    Table entries_{};
};

}  // namespace trochograph
