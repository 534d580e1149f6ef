#include "files/png_export.h"

#include <png.h>
#include <zlib.h>

#include <bit>
#include <csetjmp>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

#include "files/save_file.h"

namespace trochograph {

namespace {

// How the rows given to libpng are laid out.
enum class Samples {
    rgb,
    rgba,
    colorWords,  // a surface's 0x00BBGGRR words, stored as RGB
};

struct Rows {
    png_uint_32 width;
    png_uint_32 height;
    Samples samples;
    const std::uint8_t* top;
    std::ptrdiff_t stride;
    const char* parameters;  // NUL-terminated, or null for none
    const ProgressReport* progress = nullptr;  // told after each row
};

// What libpng's callbacks share with the encoder, through libpng's user pointers.
struct Context {
    ByteSink* sink = nullptr;
    bool sinkRefused = false;
    bool outOfMemory = false;   // libpng's allocation or the sink's
    std::exception_ptr thrown;  // anything else the sink threw, rethrown once libpng has been cleaned up
    const ProgressReport* progress = nullptr;
    png_uint_32 height = 0;
};

Error encodingFailed() { return {ErrorCode::writeFailed, "can't encode the picture"}; }

Context& contextOf(void* pointer) { return *static_cast<Context*>(pointer); }

// libpng must not return from an error: jump back to the setjmp in encodeRows. Without this
// handler libpng would print the message to stderr first.
extern "C" [[noreturn]] void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Warnings tell of nothing that changes the file written.
extern "C" void onWarning(png_structp, png_const_charp) {}

// No C++ object is alive in this frame when png_error jumps out of it.
extern "C" void onWrite(png_structp png, png_bytep data, std::size_t length)
{
    Context& context = contextOf(png_get_io_ptr(png));
    bool written = false;
    try {
        written = context.sink->write({data, length});
        context.sinkRefused = !written;
    } catch (const std::bad_alloc&) {
        context.outOfMemory = true;
    } catch (...) {
        context.thrown = std::current_exception();
    }
    if (!written) png_error(png, "the sink failed");
}

extern "C" void onFlush(png_structp) {}

extern "C" void onRow(png_structp png, png_uint_32 row, int)
{
    const Context& context = contextOf(png_get_io_ptr(png));
    if (context.progress && *context.progress)
        (*context.progress)(static_cast<double>(row) / static_cast<double>(context.height));
}

// Through malloc, so that a failure is known to be a lack of memory and not some other
// error of libpng.
extern "C" png_voidp allocate(png_structp png, png_alloc_size_t size)
{
    void* block = std::malloc(size);
    if (!block) contextOf(png_get_mem_ptr(png)).outOfMemory = true;
    return block;
}

extern "C" void release(png_structp, png_voidp block) { std::free(block); }

// The whole file. Plain C calls and trivially destructible locals only, since an error
// anywhere in it jumps back to the setjmp in encodeRows.
void writeImage(png_structp png, png_infop info, const Rows& rows)
{
    const int colorType = rows.samples == Samples::rgba ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    png_set_IHDR(png, info, rows.width, rows.height, 8, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    // Canvases are flat colour crossed by thin lines. The Up filter turns a flat row into
    // zeros whatever its colour, and runs of zeros are all that zlib's RLE strategy looks
    // for: on a 9600 x 9600 curve this takes a quarter of the time of libpng's defaults
    // (every filter tried, level 6) for a file a fifth larger.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_strategy(png, Z_RLE);
    // Fewer, larger IDAT chunks and sink writes.
    png_set_compression_buffer_size(png, 1 << 17);
    if (rows.parameters) {
        // libpng copies both strings; png_write_info puts the chunk before the image data.
        png_text text{};
        text.compression = PNG_TEXT_COMPRESSION_NONE;
        text.key = const_cast<png_charp>(pngParametersKeyword);
        text.text = const_cast<png_charp>(rows.parameters);
        png_set_text(png, info, &text, 1);
    }
    png_write_info(png, info);
    if (rows.samples == Samples::colorWords) {
        // A word's unused high byte is dropped; in memory the word is R G B 0 on a
        // little-endian host and 0 B G R on a big-endian one.
        if constexpr (std::endian::native == std::endian::little) {
            png_set_filler(png, 0, PNG_FILLER_AFTER);
        } else {
            png_set_filler(png, 0, PNG_FILLER_BEFORE);
            png_set_bgr(png);
        }
    }
    for (png_uint_32 y = 0; y < rows.height; ++y) png_write_row(png, rows.top + rows.stride * std::ptrdiff_t(y));
    png_write_end(png, nullptr);
}

bool encodeRows(png_structp png, png_infop info, const Rows& rows, Context& context)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &context, onWrite, onFlush);
    png_set_write_status_fn(png, onRow);
    writeImage(png, info, rows);
    return true;
}

Result<void> encode(Rows rows, ByteSink& sink, std::string_view parameters)
{
    // Kept here, above the setjmp frame, since a jump out of libpng skips destructors.
    const std::string text(parameters);
    rows.parameters = text.empty() ? nullptr : text.c_str();
    Context context;
    context.sink = &sink;
    context.progress = rows.progress;
    context.height = rows.height;
    png_structp png = png_create_write_struct_2(PNG_LIBPNG_VER_STRING, &context, onError, onWarning, &context,
                                                allocate, release);
    if (!png) return noMemoryToWrite();
    png_infop info = png_create_info_struct(png);
    context.outOfMemory = !info;
    const bool written = info && encodeRows(png, info, rows, context);
    png_destroy_write_struct(&png, &info);
    if (context.thrown) std::rethrow_exception(context.thrown);
    if (written) return {};
    if (context.outOfMemory) return noMemoryToWrite();
    if (context.sinkRefused) return sinkRefused();
    return encodingFailed();
}

png_uint_32 side(int n) { return n > 0 ? static_cast<png_uint_32>(n) : 0; }

bool fits(int width, int height) { return width > 0 && height > 0 && width <= maxPngSide && height <= maxPngSide; }

Error sizeRefusal()
{
    return {ErrorCode::writeFailed, "a PNG picture must be 1 to " + std::to_string(maxPngSide) + " pixels wide and high"};
}

// The sides are checked before anything is written; a lack of memory anywhere becomes
// noMemory.
Result<void> encodeChecked(const Rows& rows, ByteSink& sink, std::string_view parameters)
{
    constexpr auto maxSide = static_cast<png_uint_32>(maxPngSide);
    if (rows.width == 0 || rows.height == 0 || rows.width > maxSide || rows.height > maxSide) return sizeRefusal();
    if (!rows.top) return encodingFailed();
    try {
        return encode(rows, sink, parameters);
    } catch (const std::bad_alloc&) {
        return noMemoryToWrite();
    }
}

}  // namespace

Result<void> encodePng(const Surface& surface, ByteSink& sink, std::string_view parameters,
                       const ProgressReport& progress)
{
    const Rows rows{side(surface.width()),
                    side(surface.height()),
                    Samples::colorWords,
                    reinterpret_cast<const std::uint8_t*>(surface.pixels().data()),
                    static_cast<std::ptrdiff_t>(surface.width()) * 4,
                    nullptr,
                    &progress};
    return encodeChecked(rows, sink, parameters);
}

Result<void> encodePng(const PngPixels& pixels, ByteSink& sink, std::string_view parameters,
                       const ProgressReport& progress)
{
    const Rows rows{side(pixels.width), side(pixels.height), pixels.alpha ? Samples::rgba : Samples::rgb, pixels.top,
                    pixels.stride, nullptr, &progress};
    return encodeChecked(rows, sink, parameters);
}

Result<void> writePng(const Surface& surface, const std::filesystem::path& path, std::string_view parameters,
                      const ProgressReport& progress)
{
    if (!fits(surface.width(), surface.height())) return sizeRefusal();
    return saveFile(path, [&](ByteSink& sink) { return encodePng(surface, sink, parameters, progress); });
}

Result<void> writePng(const PngPixels& pixels, const std::filesystem::path& path, std::string_view parameters,
                      const ProgressReport& progress)
{
    if (!fits(pixels.width, pixels.height)) return sizeRefusal();
    return saveFile(path, [&](ByteSink& sink) { return encodePng(pixels, sink, parameters, progress); });
}

}  // namespace trochograph
