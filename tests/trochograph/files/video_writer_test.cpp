// The film writer, its films read back with FFmpeg's own demuxers and decoders: GIF frames
// pixel for pixel with their delays, MP4 and WebM frame counts, lengths and last pictures,
// MP4's index before its data; and its refusals and failures, which leave no file behind and
// keep an old one, without a word from FFmpeg on stderr.
#include "files/video_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "common/palette.h"
#include "film_reader.h"
#include "scratch_dir.h"
#include "small_tmpfs.h"

namespace trochograph {
namespace {

using test::ScratchDir;
using test::SmallTmpfs;
using test::psnr;

// The first `segments` of a three-petalled rose on black, each segment the next colour of the
// built-in palette, as a multicoloured curve is drawn.
Surface curve(int side, int segments, int pen = 2)
{
    Surface s(side, side, rgb(0, 0, 0));
    const double half = side / 2.0;
    Point last{};
    for (int i = 0; i <= segments; ++i) {
        const double theta = i * 3.14159265358979 / 60;
        const double r = 0.9 * half * std::cos(3 * theta);
        const Point p{int(std::lround(half + r * std::cos(theta))), int(std::lround(half + r * std::sin(theta)))};
        if (i > 0) s.line(last, p, pen, builtinPalette[std::size_t(1 + i % 255)]);
        last = p;
    }
    return s;
}

Surface noise(int side, std::uint32_t seed)
{
    Surface s(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) s.setPixel(x, y, (seed = seed * 1664525u + 1013904223u) >> 8);
    return s;
}

// The types of an MP4 file's top-level boxes, in order.
std::vector<std::string> topBoxes(const std::vector<std::uint8_t>& file)
{
    std::vector<std::string> types;
    for (std::size_t at = 0; at + 8 <= file.size();) {
        std::uint64_t size = std::uint64_t{file[at]} << 24 | file[at + 1] << 16 | file[at + 2] << 8 | file[at + 3];
        types.emplace_back(file.begin() + std::ptrdiff_t(at) + 4, file.begin() + std::ptrdiff_t(at) + 8);
        if (size == 1 && at + 16 <= file.size()) {
            size = 0;
            for (int i = 0; i < 8; ++i) size = size << 8 | file[at + 8 + std::size_t(i)];
        }
        if (size < 8) break;
        at += size;
    }
    return types;
}

std::unique_ptr<VideoWriter> opened(const std::filesystem::path& path, VideoKind kind, int side, int fps)
{
    Result<std::unique_ptr<VideoWriter>> writer = VideoWriter::open(path, kind, side, fps);
    EXPECT_TRUE(writer) << writer.message();
    return writer ? std::move(writer.value()) : nullptr;
}

TEST(VideoWriter, KindsByExtension)
{
    const std::pair<const char*, std::optional<VideoKind>> cases[] = {
        {"a.mp4", VideoKind::mp4}, {"dir.gif/A.MP4", VideoKind::mp4}, {"b.WebM", VideoKind::webm},
        {"c.gif", VideoKind::gif}, {"d.png", std::nullopt},         {"mp4", std::nullopt},
        {"e.mp4.tmp", std::nullopt},
    };
    for (const auto& [name, kind] : cases) EXPECT_EQ(videoKindOf(name), kind) << name;
}

// Colours of the first table, colours beyond it, 256 colours exactly, a return to the
// curve's colours and a frame shown again unchanged: each comes back as given.
TEST(VideoWriter, GifFramesComeBackPixelForPixel)
{
    ScratchDir dir;
    constexpr int side = 63;  // GIF takes odd sides
    std::vector<Surface> frames;
    for (int k = 1; k <= 6; ++k) frames.push_back(curve(side, k * 12));
    Surface strange = curve(side, 72);
    strange.fillRect({5, 5, 25, 25}, rgb(1, 2, 3));
    strange.fillRect({20, 30, 40, 50}, rgb(250, 251, 252));
    frames.push_back(strange);
    frames.push_back(curve(side, 80));
    Surface many(side, side);
    for (int i = 0; i < side * side; ++i) many.setPixel(i % side, i / side, rgb(i % 256, 255 - i % 256, 9));
    frames.push_back(many);
    frames.push_back(curve(side, 90, 1));
    frames.push_back(curve(side, 90, 1));

    auto writer = opened(dir / "film.gif", VideoKind::gif, side, 10);
    ASSERT_TRUE(writer);
    for (std::size_t i = 0; i < frames.size(); ++i)
        ASSERT_TRUE(writer->addFrame(frames[i], i + 1 == frames.size() ? 3 : 1));
    EXPECT_EQ(writer->frames(), long(frames.size()) + 2);
    ASSERT_TRUE(writer->finish());
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"film.gif"});

    const test::ReadFilm film = test::readFilm(dir / "film.gif");
    ASSERT_EQ(film.error, "");
    EXPECT_EQ(film.codec, "gif");
    ASSERT_EQ(film.frames.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_TRUE(film.frames[i] == frames[i]) << "frame " << i;
    // 10 fps: a tenth of a second each, the held last frame three.
    std::vector<long long> lengths(frames.size(), 10);
    lengths.back() = 30;
    EXPECT_EQ(film.lengths, lengths);
    EXPECT_EQ(film.starts.back(), 10 * long(frames.size() - 1));
}

// Each frame starts at its frame time rounded to the centisecond, so the film is as long as
// asked; frames that would show for less than 2 cs give their time to the next.
TEST(VideoWriter, GifDelays)
{
    struct Case {
        int fps;
        std::vector<int> times;          // of each frame added
        std::vector<long long> lengths;  // of each frame shown, in centiseconds
        std::vector<int> shown;          // which frames
    };
    const Case cases[] = {
        {25, {1, 1, 1}, {4, 4, 4}, {0, 1, 2}},
        {30, {1, 1, 1, 1, 1, 1}, {3, 4, 3, 3, 4, 3}, {0, 1, 2, 3, 4, 5}},
        {7, {1, 3}, {14, 43}, {0, 1}},
        {50, {70000}, {65535, 65535, 8930}, {0, 0, 0}},  // longer than a GIF delay can say
        // 1.67 cs a frame: 2, 1, 2, 2, 1, 2 by the clock.
        {60, {1, 1, 1, 1, 1, 1}, {2, 3, 2, 3}, {0, 2, 3, 5}},
        {60, {1, 1}, {2, 1}, {0, 1}},  // the last frame shows, however short
        {60, {1, 1, 2}, {2, 5}, {0, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fps);
        ScratchDir dir;
        auto writer = opened(dir / "t.gif", VideoKind::gif, 8, c.fps);
        ASSERT_TRUE(writer);
        std::vector<Surface> frames;
        for (std::size_t i = 0; i < c.times.size(); ++i) {
            frames.emplace_back(8, 8, builtinPalette[i + 1]);
            ASSERT_TRUE(writer->addFrame(frames.back(), c.times[i]));
        }
        EXPECT_EQ(writer->frames(), std::accumulate(c.times.begin(), c.times.end(), 0LL));
        ASSERT_TRUE(writer->finish());
        const test::ReadFilm film = test::readFilm(dir / "t.gif");
        ASSERT_EQ(film.error, "");
        // The pieces of a frame too long for one delay decode as frames of their own.
        EXPECT_EQ(film.lengths, c.lengths);
        ASSERT_EQ(film.frames.size(), c.shown.size());
        for (std::size_t i = 0; i < c.shown.size(); ++i)
            EXPECT_TRUE(film.frames[i] == frames[std::size_t(c.shown[i])]) << i;
    }
}

// A curve drawn over 8 frames and held for 4 more: 12 frames at 12 fps, one second.
TEST(VideoWriter, Mp4AndWebmFramesLengthAndPicture)
{
    struct Case {
        VideoKind kind;
        const char* name;
        const char* codec;
        int pixels;
        double colourPsnr;  // of red, green and blue
    };
    // 4:2:0 colour at half resolution alone takes these thin many-coloured lines to 28 dB;
    // WebM keeps it whole.
    for (const Case& c : {Case{VideoKind::mp4, "film.mp4", "h264", AV_PIX_FMT_YUV420P, 25.0},
                          Case{VideoKind::webm, "film.webm", "vp9", AV_PIX_FMT_YUV444P, 35.0}}) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        constexpr int side = 120;
        auto writer = opened(dir / c.name, c.kind, side, 12);
        ASSERT_TRUE(writer);
        for (int k = 1; k <= 8; ++k) ASSERT_TRUE(writer->addFrame(curve(side, k * 15), k == 8 ? 5 : 1));
        EXPECT_EQ(writer->frames(), 12);
        ASSERT_TRUE(writer->finish());
        EXPECT_EQ(dir.entries(), std::vector<std::string>{c.name});

        const test::ReadFilm film = test::readFilm(dir / c.name);
        ASSERT_EQ(film.error, "");
        EXPECT_EQ(film.codec, c.codec);
        EXPECT_EQ(film.pixelFormat, c.pixels);
        EXPECT_EQ(film.frames.size(), 12u);
        EXPECT_EQ(film.starts.size(), 12u);
        EXPECT_NEAR(film.seconds, 1.0, 0.01);
        ASSERT_FALSE(film.frames.empty());
        EXPECT_GT(psnr(film.frames.back(), curve(side, 120)), c.colourPsnr);
        EXPECT_GT(psnr(film.frames.back(), curve(side, 120), true), 35.0);
        if (c.kind == VideoKind::mp4) {
            const std::vector<std::string> boxes = topBoxes(test::readBytes(dir / c.name));
            const auto moov = std::find(boxes.begin(), boxes.end(), "moov");
            const auto mdat = std::find(boxes.begin(), boxes.end(), "mdat");
            EXPECT_TRUE(moov < mdat && mdat != boxes.end()) << ::testing::PrintToString(boxes);
        }
    }
}

// Refused before anything is written: no file, and an old one keeps its bytes. (A FIFO or a
// device as the output: render_cli_test.)
TEST(VideoWriter, RefusalsLeaveNoFile)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir / "folder.gif");
    struct Case {
        std::string name;
        VideoKind kind;
        int side;
        int fps;
        ErrorCode code;
        std::string message;
    };
    const Case cases[] = {
        {"a.mp4", VideoKind::mp4, 63, 25, ErrorCode::writeFailed, "H.264 needs an even side, not 63"},
        {"a.mp4", VideoKind::mp4, 601, 25, ErrorCode::writeFailed, "H.264 needs an even side, not 601"},
        {"a.gif", VideoKind::gif, 64, 0, ErrorCode::writeFailed, "fps must be 1 to 60, not 0"},
        {"a.mp4", VideoKind::mp4, 64, 61, ErrorCode::writeFailed, "fps must be 1 to 60, not 61"},
        {"a.gif", VideoKind::gif, 0, 25, ErrorCode::writeFailed, "a film's side must be 2 to 2160 pixels, not 0"},
        {"a.gif", VideoKind::gif, 1, 25, ErrorCode::writeFailed, "a film's side must be 2 to 2160 pixels, not 1"},
        {"a.webm", VideoKind::webm, 2162, 25, ErrorCode::writeFailed, "a film's side must be 2 to 2160 pixels, not 2162"},
        {"missing/a.gif", VideoKind::gif, 64, 25, ErrorCode::cannotCreate,
         "can't create the file: No such file or directory"},
        {"folder.gif", VideoKind::gif, 64, 25, ErrorCode::cannotCreate, "can't create the file: Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        test::writeBytes(dir / "a.gif", "old");
        test::writeBytes(dir / "a.mp4", "old");
        test::writeBytes(dir / "a.webm", "old");
        const Result<std::unique_ptr<VideoWriter>> writer = VideoWriter::open(dir / c.name, c.kind, c.side, c.fps);
        ASSERT_FALSE(writer);
        EXPECT_EQ(writer.code(), c.code);
        EXPECT_EQ(writer.message(), c.message);
        auto entries = dir.entries();
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::string>{"a.gif", "a.mp4", "a.webm", "folder.gif"}));
        for (const char* name : {"a.gif", "a.mp4", "a.webm"}) EXPECT_EQ(test::readText(dir / name), "old");
    }
}

// Abandoned without finish(), or ended by a wrong frame, a film leaves the old file as it
// was and no temporary file; while it is written there is no file more where the file
// system makes unnamed files, and just the one hidden file more elsewhere.
TEST(VideoWriter, AbandonedOrFailedFilmsKeepTheOldFile)
{
    for (const auto& [kind, name] : {std::pair{VideoKind::mp4, "f.mp4"}, std::pair{VideoKind::webm, "f.webm"},
                                     std::pair{VideoKind::gif, "f.gif"}}) {
        SCOPED_TRACE(name);
        ScratchDir dir;
        test::writeBytes(dir / name, "old");
        {
            auto writer = opened(dir / name, kind, 64, 25);
            ASSERT_TRUE(writer);
            ASSERT_TRUE(writer->addFrame(curve(64, 30)));
            ASSERT_TRUE(writer->addFrame(curve(64, 60), 2));
            EXPECT_EQ(dir.entries().size(), test::unnamedFilesWork(dir.path()) ? 1u : 2u);
        }
        EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
        EXPECT_EQ(test::readText(dir / name), "old");

        auto writer = opened(dir / name, kind, 64, 25);
        ASSERT_TRUE(writer);
        ASSERT_TRUE(writer->addFrame(curve(64, 30)));
        const Result<void> wrong = writer->addFrame(curve(66, 30));
        ASSERT_FALSE(wrong);
        EXPECT_EQ(wrong.message(), "a frame of 66 x 66 pixels in a film of side 64");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
        EXPECT_EQ(writer->finish().message(), wrong.message());
        EXPECT_EQ(test::readText(dir / name), "old");

        auto empty = opened(dir / name, kind, 64, 25);
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty->finish().message(), "a film needs at least one frame");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
    }
}

// On a disk that is really full, every kind fails with the system's reason, keeps the old
// file and leaves nothing else, FFmpeg saying nothing on stderr.
TEST(VideoWriter, AFullDiskFailsAndKeepsTheOldFile)
{
    for (const auto& [kind, name] : {std::pair{VideoKind::mp4, "f.mp4"}, std::pair{VideoKind::webm, "f.webm"},
                                     std::pair{VideoKind::gif, "f.gif"}}) {
        SCOPED_TRACE(name);
        SmallTmpfs disk("size=64k");
        if (!disk.available()) GTEST_SKIP() << disk.why();
        test::writeBytes(disk / name, "old");
        disk.fill("filler");
        ::testing::internal::CaptureStderr();
        Result<std::unique_ptr<VideoWriter>> writer = VideoWriter::open(disk / name, kind, 64, 25);
        Result<void> written = writer ? Result<void>() : Result<void>(writer.error());
        for (std::uint32_t k = 0; written && k < 40; ++k) written = writer.value()->addFrame(noise(64, k));
        if (written) written = writer.value()->finish();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        ASSERT_FALSE(written);
        EXPECT_EQ(written.code(), ErrorCode::writeFailed);
        EXPECT_EQ(written.message(), "can't write the file: No space left on device");
        EXPECT_EQ(test::readText(disk / name), "old");
        auto entries = disk.entries();
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::string>{name, "filler"}));
    }
}

}  // namespace
}  // namespace trochograph
