#include "files/png_parameters.h"

#include <png.h>

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "engine/parameter_limits.h"
#include "files/rlt_file.h"

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
    // The text of the first chunk of ours; its length even when too long to be kept.
    bool found = false;
    std::size_t textLength = 0;
    std::array<char, limits::parameterTextBytes> text{};
};

Context& contextOf(void* pointer) { return *static_cast<Context*>(pointer); }

// Keeps the message and jumps back to the setjmp in readChunks; without this handler
// libpng would print it to stderr.
extern "C" [[noreturn]] void onReadError(png_structp png, png_const_charp message)
{
    Context& context = contextOf(png_get_error_ptr(png));
    std::size_t n = 0;
    for (; message && message[n] != '\0' && n + 1 < context.error.size(); ++n) context.error[n] = message[n];
    context.error[n] = '\0';
    png_longjmp(png, 1);
}

extern "C" void onReadWarning(png_structp, png_const_charp) {}

extern "C" void onReadData(png_structp png, png_bytep data, std::size_t length)
{
    Context& context = contextOf(png_get_io_ptr(png));
    if (std::fread(data, 1, length, context.file) == length) return;
    context.endOfFile = std::feof(context.file) != 0;
    context.readFailed = !context.endOfFile;
    png_error(png, "read failed");
}

// Every ancillary chunk and every chunk libpng doesn't know comes here, one at a time, and
// is dropped once seen; only the text of ours is kept, so that no number of text chunks
// adds up in memory. An unknown critical chunk would matter to the pixels alone.
extern "C" int onChunk(png_structp png, png_unknown_chunkp chunk)
{
    Context& context = contextOf(png_get_user_chunk_ptr(png));
    // Keyword, NUL, text.
    const std::size_t keyword = std::strlen(pngParametersKeyword) + 1;
    if (context.found || std::memcmp(chunk->name, "tEXt", 4) != 0 || chunk->size < keyword ||
        std::memcmp(chunk->data, pngParametersKeyword, keyword) != 0)
        return 1;
    context.found = true;
    context.textLength = chunk->size - keyword;
    if (context.textLength <= context.text.size())
        std::memcpy(context.text.data(), chunk->data + keyword, context.textLength);
    return 1;
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
    // Every ancillary chunk goes to onChunk instead of libpng's own handling, so that no
    // compressed text or profile is inflated; one whose checksum fails is an error rather
    // than silently dropped.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_read_user_chunk_fn(png, &context, onChunk);
    png_set_crc_action(png, PNG_CRC_DEFAULT, PNG_CRC_ERROR_QUIT);
    // libpng only warns of a chunk longer than its limit (8 MB) and then reads it whole into
    // memory, however long it claims to be; as an error such a chunk is refused before
    // anything of it is read.
    png_set_benign_errors(png, 0);
    png_read_info(png, info);
    return true;
}

// The text of our chunk into `text`, or why there is none to be had.
Result<std::string> readParameterChunk(std::FILE* file)
{
    // Large for the stack, with the text in it.
    const auto context = std::make_unique<Context>();
    context->file = file;
    png_structp png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, context.get(), onReadError, onReadWarning,
                                               context.get(), allocateForReading, releaseAfterReading);
    if (!png) return Error{ErrorCode::cannotOpen, "not enough memory to read the PNG picture"};
    png_infop info = png_create_info_struct(png);
    context->outOfMemory = !info;
    const bool read = info && readChunks(png, info, *context);
    png_destroy_read_struct(&png, &info, nullptr);

    if (!read) {
        if (context->outOfMemory) return Error{ErrorCode::cannotOpen, "not enough memory to read the PNG picture"};
        if (context->readFailed) return Error{ErrorCode::cannotOpen, "Error opening PNG file"};
        if (context->endOfFile) return Error{ErrorCode::invalid, "the PNG picture ends too early"};
        return Error{ErrorCode::invalid, std::string("damaged PNG picture: ") + context->error.data()};
    }
    if (!context->found) return Error{ErrorCode::invalid, noPngParameters};
    if (context->textLength > context->text.size())
        return Error{ErrorCode::invalid, parameterTextTooLong(context->textLength)};
    return std::string(context->text.data(), context->textLength);
}

}  // namespace

bool isPngSignature(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= pngSignatureSize && std::memcmp(bytes.data(), pngSignature.data(), pngSignatureSize) == 0;
}

Result<PictureParameters> readPngParameters(std::FILE* file)
{
    Result<std::string> text = readParameterChunk(file);
    if (!text) return text.error();
    return parseParameterText(*text);
}

Result<PictureParameters> loadPngParameters(const std::filesystem::path& path)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return Error{ErrorCode::cannotOpen, "Error opening PNG file"};
    std::array<std::uint8_t, pngSignatureSize> start{};
    const std::size_t got = std::fread(start.data(), 1, start.size(), file.get());
    if (std::ferror(file.get())) return Error{ErrorCode::cannotOpen, "Error opening PNG file"};
    if (!isPngSignature(std::span(start.data(), got))) return Error{ErrorCode::invalid, notAPngPicture};
    return readPngParameters(file.get());
}

}  // namespace trochograph
