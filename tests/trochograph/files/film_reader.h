// Reads a film back with FFmpeg's demuxers and decoders, for the film writer's tests: every
// frame as a surface, every packet's time, and the container's length.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "common/surface.h"

namespace trochograph::test {

struct ReadFilm {
    std::string error;  // empty when the film was read
    std::string codec;
    int pixelFormat = AV_PIX_FMT_NONE;  // as stored
    std::vector<Surface> frames;
    // Each packet's start and length in `timeBase`, by start.
    std::vector<long long> starts;
    std::vector<long long> lengths;
    AVRational timeBase{0, 1};
    double seconds = 0;  // the container's length
};

namespace film_reader {

// A decoded picture as 0x00BBGGRR words; YUV through BT.709 at video range, as written.
inline Surface toSurface(const AVFrame* frame)
{
    Surface s(frame->width, frame->height);
    if (frame->format == AV_PIX_FMT_RGB32 || frame->format == AV_PIX_FMT_PAL8) {
        for (int y = 0; y < frame->height; ++y) {
            for (int x = 0; x < frame->width; ++x) {
                std::uint32_t argb;
                const std::uint8_t* row = frame->data[0] + y * frame->linesize[0];
                if (frame->format == AV_PIX_FMT_RGB32)
                    argb = reinterpret_cast<const std::uint32_t*>(row)[x];
                else
                    argb = reinterpret_cast<const std::uint32_t*>(frame->data[1])[row[x]];
                s.setPixel(x, y, rgb(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF));
            }
        }
        return s;
    }
    SwsContext* sws = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                                     frame->height, AV_PIX_FMT_0BGR32, SWS_BILINEAR | SWS_ACCURATE_RND, nullptr,
                                     nullptr, nullptr);
    const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(sws, bt709, 0, bt709, 1, 0, 1 << 16, 1 << 16);
    // The scaler's vector code writes past the end of narrow rows.
    std::vector<Colorref> words(std::size_t(frame->width) * frame->height + 64);
    std::uint8_t* out[] = {reinterpret_cast<std::uint8_t*>(words.data())};
    const int outStride[] = {frame->width * 4};
    sws_scale(sws, frame->data, frame->linesize, 0, frame->height, out, outStride);
    sws_freeContext(sws);
    for (int y = 0; y < frame->height; ++y)
        for (int x = 0; x < frame->width; ++x) s.setPixel(x, y, words[std::size_t(y) * frame->width + x] & 0x00FFFFFF);
    return s;
}

inline void receive(AVCodecContext* decoder, AVFrame* frame, ReadFilm& film)
{
    while (avcodec_receive_frame(decoder, frame) >= 0) {
        film.frames.push_back(toSurface(frame));
        av_frame_unref(frame);
    }
}

}  // namespace film_reader

inline ReadFilm readFilm(const std::filesystem::path& path)
{
    ReadFilm film;
    AVFormatContext* format = nullptr;
    // The GIF demuxer would read delays under 2 cs as 10, as browsers show them.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "min_delay", "0", 0);
    const int opened = avformat_open_input(&format, path.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        film.error = "can't open";
        return film;
    }
    if (avformat_find_stream_info(format, nullptr) < 0 || format->nb_streams != 1) {
        avformat_close_input(&format);
        film.error = "no single stream";
        return film;
    }
    const AVStream* stream = format->streams[0];
    film.timeBase = stream->time_base;
    film.seconds = format->duration > 0 ? double(format->duration) / AV_TIME_BASE : 0;
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    AVCodecContext* decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, stream->codecpar);
    film.codec = codec->name;
    film.pixelFormat = stream->codecpar->format;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    if (avcodec_open2(decoder, codec, nullptr) < 0) {
        film.error = "can't decode";
    } else {
        std::vector<std::pair<long long, long long>> times;
        while (av_read_frame(format, packet) >= 0) {
            times.emplace_back(packet->pts, packet->duration);
            if (avcodec_send_packet(decoder, packet) < 0) film.error = "bad packet";
            av_packet_unref(packet);
            film_reader::receive(decoder, frame, film);
        }
        avcodec_send_packet(decoder, nullptr);
        film_reader::receive(decoder, frame, film);
        std::sort(times.begin(), times.end());
        for (const auto& [start, length] : times) {
            film.starts.push_back(start);
            film.lengths.push_back(length);
        }
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    return film;
}

// Of the red, green and blue samples, or of the BT.709 luma alone.
inline double psnr(const Surface& a, const Surface& b, bool luma = false)
{
    const auto y = [](Colorref c) { return 0.2126 * redOf(c) + 0.7152 * greenOf(c) + 0.0722 * blueOf(c); };
    double squares = 0;
    for (std::size_t i = 0; i < a.pixels().size(); ++i) {
        const Colorref p = a.pixels()[i], q = b.pixels()[i];
        if (luma) {
            squares += (y(p) - y(q)) * (y(p) - y(q));
            continue;
        }
        for (int shift : {0, 8, 16}) {
            const double d = double(p >> shift & 0xFF) - double(q >> shift & 0xFF);
            squares += d * d / 3;
        }
    }
    const double mse = squares / double(a.pixels().size());
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace trochograph::test
