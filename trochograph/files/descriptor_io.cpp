#include "files/descriptor_io.h"

#include <cerrno>
#include <cstdint>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace trochograph {

namespace {

// Each context reads and writes at a position of its own, so that the MP4 muxer's reading
// and writing contexts on the one descriptor never move each other.
struct Position {
    int fd;
    std::int64_t at = 0;
};

// With 32 KiB, as FFmpeg's file protocol buffers, writing through the descriptor was
// slower (bench/video_bench.cpp's filmBytes); with 256 KiB it is as fast as that protocol.
constexpr int bufferSize = 256 * 1024;

int readPacket(void* opaque, std::uint8_t* buffer, int size)
{
    auto* p = static_cast<Position*>(opaque);
    ssize_t got;
    do got = ::pread(p->fd, buffer, static_cast<std::size_t>(size), p->at);
    while (got < 0 && errno == EINTR);
    if (got < 0) return AVERROR(errno);
    if (got == 0) return AVERROR_EOF;
    p->at += got;
    return static_cast<int>(got);
}

// FFmpeg 6.1 made the written bytes const.
#if LIBAVFORMAT_VERSION_MAJOR >= 61
using WrittenBytes = const std::uint8_t*;
#else
using WrittenBytes = std::uint8_t*;
#endif

int writePacket(void* opaque, WrittenBytes buffer, int size)
{
    auto* p = static_cast<Position*>(opaque);
    for (int done = 0; done < size;) {
        const ssize_t put = ::pwrite(p->fd, buffer + done, static_cast<std::size_t>(size - done), p->at);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return AVERROR(errno);
        if (put == 0) return AVERROR(EIO);
        done += static_cast<int>(put);
        p->at += put;
    }
    return size;
}

std::int64_t seekTo(void* opaque, std::int64_t offset, int whence)
{
    auto* p = static_cast<Position*>(opaque);
    whence &= ~AVSEEK_FORCE;
    struct stat st {};
    if ((whence == AVSEEK_SIZE || whence == SEEK_END) && ::fstat(p->fd, &st) != 0) return AVERROR(errno);
    std::int64_t to;
    switch (whence) {
    case AVSEEK_SIZE: return st.st_size;
    case SEEK_SET: to = offset; break;
    case SEEK_CUR: to = p->at + offset; break;
    case SEEK_END: to = st.st_size + offset; break;
    default: return AVERROR(EINVAL);
    }
    if (to < 0) return AVERROR(EINVAL);
    p->at = to;
    return to;
}

int openReading(AVFormatContext* format, AVIOContext** io, const char*, int flags, AVDictionary**)
{
    // Only the read-back is expected; anything wanting to write elsewhere is refused.
    if (flags & AVIO_FLAG_WRITE) return AVERROR(EPERM);
    *io = openDescriptorIo(*static_cast<const int*>(format->opaque), false);
    return *io ? 0 : AVERROR(ENOMEM);
}

int closeReading(AVFormatContext*, AVIOContext* io) { return closeDescriptorIo(&io); }

}  // namespace

AVIOContext* openDescriptorIo(int fd, bool writable)
{
    auto* buffer = static_cast<unsigned char*>(av_malloc(bufferSize));
    auto* position = new (std::nothrow) Position{fd};
    AVIOContext* io = buffer && position ? avio_alloc_context(buffer, bufferSize, writable ? 1 : 0, position,
                                                              writable ? nullptr : readPacket,
                                                              writable ? writePacket : nullptr, seekTo)
                                         : nullptr;
    if (io) return io;
    av_free(buffer);
    delete position;
    return nullptr;
}

int closeDescriptorIo(AVIOContext** io)
{
    if (!*io) return 0;
    if ((*io)->write_flag) avio_flush(*io);
    const int error = (*io)->error;
    delete static_cast<Position*>((*io)->opaque);
    // The context may have swapped its buffer for another of its own.
    av_freep(&(*io)->buffer);
    avio_context_free(io);
    return error < 0 ? error : 0;
}

bool writeFormatTo(AVFormatContext* format, const int* fd)
{
    format->pb = openDescriptorIo(*fd, true);
    if (!format->pb) return false;
    // The context is ours to close: avformat must not close it as if it had opened it.
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    format->opaque = const_cast<int*>(fd);
    format->io_open = openReading;
    format->io_close2 = closeReading;
    return true;
}

}  // namespace trochograph
