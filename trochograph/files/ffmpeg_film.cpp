#include "files/ffmpeg_film.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "common/palette.h"
#include "files/descriptor_io.h"
#include "files/encoder_messages.h"
#include "files/gif_palette.h"
#include "files/temporary_file.h"

namespace trochograph {

namespace {

struct Encoding {
    const char* encoder;  // FFmpeg's name
    const char* muxer;
    AVPixelFormat pixels;
    const char* encoderOptions;  // "key=value:key=value"
    const char* muxerOptions;
};

// H.264 for browsers and phones: yuv420p, the index (moov atom) before the data so that
// playing starts before the whole file is in. On 1080 x 1080 curve frames CRF 20 gives
// one-pixel lines a luma PSNR near 49 dB; "veryfast" encodes them well over 100 frames a
// second on two cores, and the slower presets, up to "medium", took longer for files no
// smaller.
constexpr Encoding mp4{"libx264", "mp4", AV_PIX_FMT_YUV420P, "preset=veryfast:crf=20", "movflags=+faststart"};
// VP9 at constant quality (b=0 with crf); libvpx's real-time mode with row threads, since
// its "good" mode is three times slower at this size. cpu-used 6 encodes curve frames as
// fast as 8 and makes files a fifth smaller. Colour at full resolution (4:4:4, VP9's
// profile 1): at 4:2:0 the show's one-pixel coloured lines differ from the still by 30 to
// 37 in 255 on average, their colour shared with the black beside them, and even CRF 10
// keeps that above 29; at 4:4:4 they differ by under 2, for files about 1.7 times larger.
constexpr Encoding webm{"libvpx-vp9", "webm", AV_PIX_FMT_YUV444P,
                        "deadline=realtime:cpu-used=6:row-mt=1:crf=30:b=0", ""};
// Palette frames, looping for ever.
constexpr Encoding gif{"gif", "gif", AV_PIX_FMT_PAL8, "", "loop=0"};

const Encoding& encodingOf(VideoKind kind)
{
    switch (kind) {
    case VideoKind::mp4: return mp4;
    case VideoKind::webm: return webm;
    case VideoKind::gif: break;
    }
    return gif;
}

Error avFailure(ErrorCode code, const std::string& what, int error) { return encoderFailure(code, what, error); }

// "key=value:key=value" as a dictionary FFmpeg takes.
AVDictionary* dictionaryOf(const char* options)
{
    AVDictionary* dictionary = nullptr;
    if (*options) av_dict_parse_string(&dictionary, options, "=", ":", 0);
    return dictionary;
}

// FFmpeg leaves in the dictionary the options nobody took: a misspelt or retired option
// would otherwise change the film silently. Frees the dictionary.
Result<void> allOptionsTaken(AVDictionary** options, const std::string& what)
{
    const AVDictionaryEntry* left = av_dict_get(*options, "", nullptr, AV_DICT_IGNORE_SUFFIX);
    std::optional<Error> error;
    if (left)
        error = Error{ErrorCode::cannotCreate,
                      what + " doesn't take the option " + left->key + "=" + left->value};
    av_dict_free(options);
    if (error) return *error;
    return {};
}

class FfmpegFilm final : public VideoWriter {
public:
    FfmpegFilm(VideoKind kind, int side, int fps)
        : kind_(kind), encoding_(encodingOf(kind)), side_(side), fps_(fps), palettes_(builtinPalette)
    {
    }
    FfmpegFilm(const FfmpegFilm&) = delete;
    FfmpegFilm& operator=(const FfmpegFilm&) = delete;
    // The temporary file goes with temp_.
    ~FfmpegFilm() override { close(); }

    Result<void> open(const std::filesystem::path& path);
    Result<void> addFrame(const Surface& frame, int times) override;
    Result<void> finish() override;
    long long frames() const override { return frames_; }

private:
    const char* codecName() const { return filmFormat(kind_).codec; }
    Result<void> openEncoder(const AVCodec* encoder);
    Result<void> openMuxer();
    Result<void> addYuv(const Surface& frame, int times);
    Result<void> addGif(const Surface& frame, int times);
    // One GIF frame from `start` to `end`, in centiseconds.
    Result<void> sendGif(const Surface& frame, long long start, long long end);
    // Sends a frame (null to flush) and writes every packet the encoder has ready.
    Result<void> send(const AVFrame* frame);
    // Ends the film for good: everything closed, the temporary file removed, `error` kept
    // for any later call.
    Error fail(Error error);
    void close();

    VideoKind kind_;
    const Encoding& encoding_;
    int side_;
    int fps_;
    TemporaryFile temp_;
    int fd_ = -1;  // temp_'s, which the muxer writes and reads back through
    AVFormatContext* format_ = nullptr;
    AVStream* stream_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVFrame* rgb_ = nullptr;  // the picture before conversion, in FFmpeg's padded rows
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    bool headerWritten_ = false;
    bool trailerWritten_ = false;

    GifPalettes palettes_;
    std::optional<Surface> held_;  // a GIF frame too short to show yet
    long long heldStart_ = 0;
    long long gifDuration_ = 0;  // of the GIF frame being sent, in centiseconds

    long long frames_ = 0;
    std::optional<Error> failure_;
    bool finished_ = false;
};

Result<void> FfmpegFilm::open(const std::filesystem::path& path)
{
    const AVCodec* encoder = avcodec_find_encoder_by_name(encoding_.encoder);
    if (!encoder)
        return Error{ErrorCode::cannotCreate, std::string("the installed FFmpeg has no ") + codecName() +
                                                  " encoder (" + encoding_.encoder + ")"};
    const Result<int> fd = temp_.create(path);
    if (!fd) return fd.error();
    fd_ = *fd;
    // The name is only a label: the muxer writes through the descriptor.
    if (const int error = avformat_alloc_output_context2(&format_, nullptr, encoding_.muxer, path.c_str()); error < 0)
        return fail(avFailure(ErrorCode::cannotCreate, "can't start the film", error));
    stream_ = avformat_new_stream(format_, nullptr);
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    if (!stream_ || !frame_ || !packet_) return fail(avFailure(ErrorCode::noMemory, "", AVERROR(ENOMEM)));
    if (Result<void> opened = openEncoder(encoder); !opened) return opened;
    return openMuxer();
}

Result<void> FfmpegFilm::openEncoder(const AVCodec* encoder)
{
    codec_ = avcodec_alloc_context3(encoder);
    if (!codec_) return fail(avFailure(ErrorCode::noMemory, "", AVERROR(ENOMEM)));
    codec_->width = side_;
    codec_->height = side_;
    codec_->sample_aspect_ratio = {1, 1};
    codec_->pix_fmt = encoding_.pixels;
    codec_->framerate = {fps_, 1};
    // GIF delays are in centiseconds; the others count frames.
    codec_->time_base = kind_ == VideoKind::gif ? AVRational{1, 100} : AVRational{1, fps_};
    codec_->thread_count = 0;  // as many as the machine has
    if (encoding_.pixels != AV_PIX_FMT_PAL8) {
        // What the conversion below does, so that players convert back the same way.
        codec_->colorspace = AVCOL_SPC_BT709;
        codec_->color_primaries = AVCOL_PRI_BT709;
        codec_->color_trc = AVCOL_TRC_BT709;
        codec_->color_range = AVCOL_RANGE_MPEG;
    }
    if (format_->oformat->flags & AVFMT_GLOBALHEADER) codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    AVDictionary* options = dictionaryOf(encoding_.encoderOptions);
    const int error = avcodec_open2(codec_, encoder, &options);
    if (error < 0) {
        av_dict_free(&options);
        return fail(
            avFailure(ErrorCode::cannotCreate, std::string("can't start the ") + codecName() + " encoder", error));
    }
    if (Result<void> taken = allOptionsTaken(&options, std::string("the ") + codecName() + " encoder"); !taken)
        return fail(taken.error());

    frame_->format = encoding_.pixels;
    frame_->width = side_;
    frame_->height = side_;
    if (const int e = av_frame_get_buffer(frame_, 0); e < 0) return fail(avFailure(ErrorCode::noMemory, "", e));
    if (encoding_.pixels != AV_PIX_FMT_PAL8) {
        // Surface words are 0x00BBGGRR in the machine's byte order. The scaler's vector code
        // reads past the end of narrow rows, so it reads a padded copy, not the surface.
        rgb_ = av_frame_alloc();
        if (!rgb_) return fail(avFailure(ErrorCode::noMemory, "", AVERROR(ENOMEM)));
        rgb_->format = AV_PIX_FMT_0BGR32;
        rgb_->width = side_;
        rgb_->height = side_;
        if (const int e = av_frame_get_buffer(rgb_, 0); e < 0) return fail(avFailure(ErrorCode::noMemory, "", e));
        // Bicubic filters the colour planes' halving a little more sharply than bilinear.
        scaler_ = sws_getContext(side_, side_, AV_PIX_FMT_0BGR32, side_, side_, encoding_.pixels,
                                 SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
        if (!scaler_) return fail(avFailure(ErrorCode::noMemory, "", AVERROR(ENOMEM)));
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        if (sws_setColorspaceDetails(scaler_, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16) < 0)
            return fail(avFailure(ErrorCode::cannotCreate, "can't convert the frames to BT.709 colours",
                                  AVERROR(EINVAL)));
    }
    return {};
}

Result<void> FfmpegFilm::openMuxer()
{
    stream_->time_base = codec_->time_base;
    stream_->avg_frame_rate = codec_->framerate;
    if (const int error = avcodec_parameters_from_context(stream_->codecpar, codec_); error < 0)
        return fail(avFailure(ErrorCode::cannotCreate, "can't start the film", error));
    if (!writeFormatTo(format_, &fd_)) return fail(avFailure(ErrorCode::noMemory, "", AVERROR(ENOMEM)));
    AVDictionary* options = dictionaryOf(encoding_.muxerOptions);
    const int error = avformat_write_header(format_, &options);
    if (error < 0) {
        av_dict_free(&options);
        return fail(avFailure(ErrorCode::writeFailed, "can't write the file", error));
    }
    if (Result<void> taken = allOptionsTaken(&options, std::string("the ") + encoding_.muxer + " muxer"); !taken)
        return fail(taken.error());
    headerWritten_ = true;
    return {};
}

Result<void> FfmpegFilm::addFrame(const Surface& frame, int times)
{
    const HeldEncoderMessages held;
    if (failure_) return *failure_;
    if (finished_) return Error{ErrorCode::writeFailed, "the film is finished"};
    if (frame.width() != side_ || frame.height() != side_)
        return fail({ErrorCode::writeFailed, "a frame of " + std::to_string(frame.width()) + " x " +
                                                 std::to_string(frame.height()) + " pixels in a film of side " +
                                                 std::to_string(side_)});
    if (times < 1)
        return fail({ErrorCode::writeFailed, "a frame is shown at least once, not " + std::to_string(times) + " times"});
    return kind_ == VideoKind::gif ? addGif(frame, times) : addYuv(frame, times);
}

Result<void> FfmpegFilm::addYuv(const Surface& frame, int times)
{
    if (const int error = av_frame_make_writable(frame_); error < 0)
        return fail(avFailure(ErrorCode::writeFailed, "can't encode the film", error));
    av_image_copy_plane(rgb_->data[0], rgb_->linesize[0], reinterpret_cast<const std::uint8_t*>(frame.pixels().data()),
                        side_ * 4, side_ * 4, side_);
    if (const int rows = sws_scale(scaler_, rgb_->data, rgb_->linesize, 0, side_, frame_->data, frame_->linesize);
        rows != side_)
        return fail(avFailure(ErrorCode::writeFailed, "can't convert the frame's colours", rows < 0 ? rows : AVERROR_BUG));
    // A held frame is the same picture again: the encoder's reference is unchanged, so each
    // repeat costs a few bytes and no memory.
    for (int i = 0; i < times; ++i) {
        frame_->pts = frames_++;
        if (Result<void> sent = send(frame_); !sent) return sent;
    }
    return {};
}

Result<void> FfmpegFilm::addGif(const Surface& frame, int times)
{
    long long start = gifCentisecond(frames_, fps_);
    frames_ += times;
    const long long end = gifCentisecond(frames_, fps_);
    if (held_) {
        // Shown too briefly: this frame takes its place and its time.
        start = heldStart_;
        held_.reset();
    }
    if (end - start < minGifDelay) {
        held_.emplace(frame);
        heldStart_ = start;
        return {};
    }
    return sendGif(frame, start, end);
}

Result<void> FfmpegFilm::sendGif(const Surface& frame, long long start, long long end)
{
    if (const int error = av_frame_make_writable(frame_); error < 0)
        return fail(avFailure(ErrorCode::writeFailed, "can't encode the film", error));
    const GifPalettes::Table& table = palettes_.index(frame, frame_->data[0], frame_->linesize[0]);
    std::memcpy(frame_->data[1], table.data(), sizeof table);
    // A GIF delay has 16 bits: a longer frame is sent again, unchanged, every 655.35 s.
    constexpr long long longestDelay = 65535;
    for (long long t = start; t < end; t += gifDuration_) {
        gifDuration_ = std::min(end - t, longestDelay);
        frame_->pts = t;
        if (Result<void> sent = send(frame_); !sent) return sent;
    }
    return {};
}

Result<void> FfmpegFilm::send(const AVFrame* frame)
{
    int error = avcodec_send_frame(codec_, frame);
    if (error < 0) return fail(avFailure(ErrorCode::writeFailed, "can't encode the film", error));
    while ((error = avcodec_receive_packet(codec_, packet_)) >= 0) {
        // The GIF encoder answers each frame at once. (Its muxer takes a delay from the next
        // packet's start, and the last from final_delay.)
        if (kind_ == VideoKind::gif)
            packet_->duration = gifDuration_;
        else if (packet_->duration == 0)
            packet_->duration = 1;
        av_packet_rescale_ts(packet_, codec_->time_base, stream_->time_base);
        packet_->stream_index = stream_->index;
        error = av_write_frame(format_, packet_);
        av_packet_unref(packet_);
        if (error < 0) return fail(avFailure(ErrorCode::writeFailed, "can't write the file", error));
    }
    if (error != AVERROR(EAGAIN) && error != AVERROR_EOF)
        return fail(avFailure(ErrorCode::writeFailed, "can't encode the film", error));
    return {};
}

Result<void> FfmpegFilm::finish()
{
    const HeldEncoderMessages held;
    if (failure_) return *failure_;
    if (finished_) return Error{ErrorCode::writeFailed, "the film is finished"};
    if (frames_ == 0) return fail({ErrorCode::writeFailed, "a film needs at least one frame"});
    if (held_) {
        if (Result<void> sent = sendGif(*held_, heldStart_, gifCentisecond(frames_, fps_)); !sent) return sent;
        held_.reset();
    }
    if (Result<void> flushed = send(nullptr); !flushed) return flushed;
    // The GIF muxer gives the last frame the delay before it unless told its own.
    if (kind_ == VideoKind::gif)
        if (const int error = av_opt_set_int(format_->priv_data, "final_delay", gifDuration_, 0); error < 0)
            return fail(avFailure(ErrorCode::writeFailed, "can't set the last frame's delay", error));
    trailerWritten_ = true;
    if (const int error = av_write_trailer(format_); error < 0)
        return fail(avFailure(ErrorCode::writeFailed, "can't write the file", error));
    // Closing writes what is still buffered; a full disk may only show here.
    if (const int error = closeDescriptorIo(&format_->pb); error < 0)
        return fail(avFailure(ErrorCode::writeFailed, "can't write the file", error));
    close();
    if (Result<void> replaced = temp_.replaceTarget(); !replaced) return fail(replaced.error());
    finished_ = true;
    return {};
}

Error FfmpegFilm::fail(Error error)
{
    close();
    temp_.discard();
    failure_ = error;
    return error;
}

void FfmpegFilm::close()
{
    if (format_) {
        // The GIF muxer keeps the last packet until its trailer, and frees it only there.
        if (kind_ == VideoKind::gif && headerWritten_ && !trailerWritten_) (void)av_write_trailer(format_);
        (void)closeDescriptorIo(&format_->pb);
        avformat_free_context(format_);
        format_ = nullptr;
        stream_ = nullptr;
    }
    trailerWritten_ = true;
    avcodec_free_context(&codec_);
    av_frame_free(&frame_);
    av_frame_free(&rgb_);
    av_packet_free(&packet_);
    sws_freeContext(scaler_);
    scaler_ = nullptr;
}

}  // namespace

Result<std::unique_ptr<VideoWriter>> openFfmpegFilm(const std::filesystem::path& path, VideoKind kind, int side, int fps)
{
    // The encoders' own messages would come on top of the one line the caller shows.
    const HeldEncoderMessages held;
    auto film = std::make_unique<FfmpegFilm>(kind, side, fps);
    if (Result<void> opened = film->open(path); !opened) return opened.error();
    return std::unique_ptr<VideoWriter>(std::move(film));
}

}  // namespace trochograph
