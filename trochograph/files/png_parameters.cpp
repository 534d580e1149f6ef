#include "png_parameters.h"

#include <png.h>

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "png_export.h"

namespace trochograph {

namespace {

// What libpng's callbacks share with the reader, through libpng's user pointers. Plain
// data only: the error callback jumps out of frames that can't run destructors.
struct Context {
    std::FILE* file = nullptr;
    bool endOfFile = false;
    bool readFailed = false;
    bool outOfMemory = false;
    std::array<char, 128> error{};  // libpng's message for the last error
};

Context& contextOf(void* pointer) { return *static_cast<Context*>(pointer); }

// Keeps the message and jumps back to the setjmp in readChunks; without this handler
// libpng would print it to stderr.
extern "C" [[noreturn]] void onReadError(png_structp png, png_const_charp message)
{
    Context& context = contextOf(png_get_error_ptr(png));
    std::snprintf(context.error.data(), context.error.size(), "%s", message ? message : "");
    png_longjmp(png, 1);
}

// Warnings are about chunks that are skipped; ours is then missing, and that is told.
extern "C" void onReadWarning(png_structp, png_const_charp) {}

extern "C" void onReadData(png_structp png, png_bytep data, std::size_t length)
{
    Context& context = contextOf(png_get_io_ptr(png));
    if (std::fread(data, 1, length, context.file) == length) return;
    context.endOfFile = std::feof(context.file) != 0;
    context.readFailed = !context.endOfFile;
    png_error(png, "read failed");
}

// Through malloc, so that a failure is known to be a lack of memory. Named apart from the
// encoder's callbacks, since C linkage ignores the unnamed namespace.
extern "C" png_voidp allocateForReading(png_structp png, png_alloc_size_t size)
{
    void* block = std::malloc(size);
    if (!block) contextOf(png_get_mem_ptr(png)).outOfMemory = true;
    return block;
}

extern "C" void releaseAfterReading(png_structp, png_voidp block) { std::free(block); }

// Reads the chunks before the image data. Plain C calls and trivially destructible locals
// only, since an error anywhere in it jumps back to the setjmp here.
bool readChunks(png_structp png, png_infop info, Context& context)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &context, onReadData);
    png_set_sig_bytes(png, static_cast<int>(pngSignatureSize));
    // Any size passes the header: the pixels are never read.
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    // Every ancillary chunk but tEXt is skipped, and one whose checksum fails is an error
    // rather than silently dropped.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    static const png_byte text[] = {'t', 'E', 'X', 't', 0};
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_AS_DEFAULT, text, 1);
    png_set_crc_action(png, PNG_CRC_DEFAULT, PNG_CRC_ERROR_QUIT);
    png_read_info(png, info);
    return true;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The text of the first tEXt chunk of ours, into `found`; the result says why not.
LoadResult readParameterChunk(std::FILE* file, std::string& found, bool& present)
{
    Context context;
    context.file = file;
    png_structp png =
        png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &context, onReadError, onReadWarning, &context, allocateForReading, releaseAfterReading);
    if (!png) return {LoadResult::cannotOpen, "not enough memory to read the PNG picture"};
    png_infop info = png_create_info_struct(png);
    const bool read = info && readChunks(png, info, context);
    if (read) {
        png_textp texts = nullptr;
        const int count = png_get_text(png, info, &texts, nullptr);
        for (int i = 0; i < count && !present; ++i) {
            if (std::strcmp(texts[i].key, pngParametersKeyword) != 0) continue;
            present = true;
            found.assign(texts[i].text, texts[i].text_length);
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);

    if (read) return {};
    if (context.outOfMemory || !info) return {LoadResult::cannotOpen, "not enough memory to read the PNG picture"};
    if (context.readFailed) return {LoadResult::cannotOpen, "Error opening PNG file"};
    if (context.endOfFile) return {LoadResult::invalid, "the PNG picture ends too early"};
    return {LoadResult::invalid, std::string("damaged PNG picture: ") + context.error.data()};
}

}  // namespace

bool isPngSignature(std::span<const std::uint8_t> bytes)
{
    static constexpr std::uint8_t signature[pngSignatureSize] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return bytes.size() >= pngSignatureSize && std::memcmp(bytes.data(), signature, pngSignatureSize) == 0;
}

LoadResult readPngParameters(const std::filesystem::path& path, PictureParameters& parameters)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return {LoadResult::cannotOpen, "Error opening PNG file"};
    std::array<std::uint8_t, pngSignatureSize> start{};
    const std::size_t got = std::fread(start.data(), 1, start.size(), file.get());
    if (std::ferror(file.get())) return {LoadResult::cannotOpen, "Error opening PNG file"};
    if (!isPngSignature(std::span(start.data(), got))) return {LoadResult::invalid, "not a PNG picture"};

    std::string text;
    bool present = false;
    if (LoadResult read = readParameterChunk(file.get(), text, present); !read) return read;
    if (!present) return {LoadResult::invalid, noPngParameters};
    ParameterTextParse parsed = parseParameterText(text);
    if (!parsed.parameters) return {LoadResult::invalid, parsed.error};
    parameters = *parsed.parameters;
    return {};
}

}  // namespace trochograph
