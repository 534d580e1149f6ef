#include "files/targa.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "files/save_file.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace trochograph {

namespace {

constexpr int maxTargaSide = 0xFFFF;
// Rows are converted into a buffer of about this size and written in one call, which keeps
// the writes large and the conversion in cache.
constexpr std::size_t blockBytes = std::size_t{1} << 20;

void putU16(std::uint8_t* p, unsigned v)
{
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

// Blue, green, red of c in the low three bytes of a word, blue lowest. Written as a full
// byte swap, which compilers turn into one instruction.
constexpr std::uint32_t bgrWord(Colorref c)
{
    return ((c >> 24) | ((c >> 8) & 0xFF00u) | ((c << 8) & 0xFF0000u) | (c << 24)) >> 8;
}

#if defined(__SSE2__)
// Four pixels at a time: swap red and blue in each word, pack each pair of words into 6
// bytes of its 64-bit lane, and store both lanes 6 bytes apart. The second store runs 2
// bytes into the fifth pixel, which must exist and is written afterwards.
int convertFours(const Colorref* in, int width, std::uint8_t*& out)
{
    const __m128i green = _mm_set1_epi32(0x0000FF00);
    const __m128i low = _mm_set1_epi32(0x000000FF);
    const __m128i first = _mm_set1_epi64x(0x0000000000FFFFFF);
    const __m128i second = _mm_set1_epi64x(0x0000FFFFFF000000);
    int x = 0;
    for (; x + 5 <= width; x += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
        const __m128i bgr = _mm_or_si128(_mm_or_si128(_mm_and_si128(v, green), _mm_and_si128(_mm_srli_epi32(v, 16), low)),
                                         _mm_slli_epi32(_mm_and_si128(v, low), 16));
        const __m128i packed = _mm_or_si128(_mm_and_si128(bgr, first), _mm_and_si128(_mm_srli_epi64(bgr, 8), second));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), packed);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 6), _mm_unpackhi_epi64(packed, packed));
        out += 12;
    }
    return x;
}
#endif

// The hot loop of the export. Pixels go out four or two at a time in stores that run past
// their own bytes into the next pixel, which overwrites them; the last pixel of a row is
// always written on its own so that nothing is stored beyond the row.
void convertRow(const Colorref* in, int width, std::uint8_t* out)
{
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
#if defined(__SSE2__)
        x = convertFours(in, width, out);
#endif
        for (; x + 2 < width; x += 2) {
            const std::uint64_t pair = bgrWord(in[x]) | static_cast<std::uint64_t>(bgrWord(in[x + 1])) << 24;
            std::memcpy(out, &pair, sizeof pair);
            out += 6;
        }
    }
    for (; x < width; ++x) {
        const Colorref c = in[x];
        out[0] = static_cast<std::uint8_t>(c >> 16);
        out[1] = static_cast<std::uint8_t>(c >> 8);
        out[2] = static_cast<std::uint8_t>(c);
        out += 3;
    }
}

// Most readers refuse a zero-sized image, and the header has 16 bits for each side.
bool fitsTarga(const Surface& s)
{
    return s.width() > 0 && s.height() > 0 && s.width() <= maxTargaSide && s.height() <= maxTargaSide;
}

Error sizeRefusal() { return {ErrorCode::writeFailed, "a Targa picture must be 1 to 65535 pixels wide and high"}; }

Result<void> encodeRows(const Surface& surface, ByteSink& sink)
{
    const int width = surface.width();
    const int height = surface.height();

    std::array<std::uint8_t, targaHeaderSize> header{};
    header[2] = 2;  // uncompressed true colour
    putU16(&header[12], static_cast<unsigned>(width));
    putU16(&header[14], static_cast<unsigned>(height));
    header[16] = 24;
    header[17] = 0x20;  // top-left origin
    if (auto written = put(sink, header); !written) return written;

    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    const int rowsPerBlock = static_cast<int>(std::clamp<std::size_t>(blockBytes / rowBytes, 1, height));
    std::vector<std::uint8_t> block(rowBytes * static_cast<std::size_t>(rowsPerBlock));
    for (int y0 = 0; y0 < height; y0 += rowsPerBlock) {
        const int rows = std::min(rowsPerBlock, height - y0);
        for (int i = 0; i < rows; ++i) convertRow(surface.row(y0 + i), width, block.data() + rowBytes * i);
        if (auto written = put(sink, std::span(block.data(), rowBytes * static_cast<std::size_t>(rows))); !written)
            return written;
    }

    static constexpr std::array<std::uint8_t, targaFooterSize> footer = {
        0, 0, 0, 0, 0, 0, 0, 0,  // no extension area, no developer directory
        'T', 'R', 'U', 'E', 'V', 'I', 'S', 'I', 'O', 'N', '-', 'X', 'F', 'I', 'L', 'E', '.', 0,
    };
    return put(sink, footer);
}

}  // namespace

Result<void> encodeTarga(const Surface& surface, ByteSink& sink)
{
    if (!fitsTarga(surface)) return sizeRefusal();
    try {
        return encodeRows(surface, sink);
    } catch (const std::bad_alloc&) {
        return noMemoryToWrite();
    }
}

Result<void> writeTarga(const Surface& surface, const std::filesystem::path& path)
{
    if (!fitsTarga(surface)) return sizeRefusal();
    return saveFile(path, [&](ByteSink& sink) { return encodeTarga(surface, sink); });
}

}  // namespace trochograph
