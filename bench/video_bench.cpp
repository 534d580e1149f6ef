// Films: frames a second at 1080 x 1080 for each kind, drawing included, and the bytes each
// frame adds to the file; kind -1 only draws, for the drawing's share. The frames show the
// default curve drawn again and again, each time on a fresh background: 10 steps a frame draw
// it in 63 frames, about two seconds of film; 300 steps a frame draw it in two, so that most
// of the picture changes all the time. The clock is the wall's: the encoders' threads go on
// working while the next frame is drawn, as they do in a real film.
//
// curveFilm films the default curve on a canvas of each side as Save Animation and --render
// do (counting, drawing, framing and encoding), for the cost of a canvas scaled down to
// 2160 against one filmed as it is, and the process's peak resident memory after it: run
// each case in a process of its own (--benchmark_filter) for that figure to be the case's.
//
// thinLines films the still of a show preset (one-pixel coloured lines on black) at 1080
// and measures what the film's last frame keeps of the lines' colour: the mean absolute
// difference of red, green and blue from the still over the pixels the lines cover, in
// 255ths. 4:2:0 colour averages each line's colour with the black beside it.
//
// filmBytes measures the muxers' way to the disk alone: a megabyte a frame written in the
// 4 KiB pieces muxers write, through FFmpeg's own file protocol opening a name (how films
// were written before), or through the context on the program's own descriptor that films
// use (files/descriptor_io.h), each film read back whole at the end as MP4's faststart does.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <vector>

#include <fstream>
#include <string>

#include "files/descriptor_io.h"
#include "files/video_writer.h"
#include "shell/curve_film.h"
#include "show/show_preview_render.h"
#include "trochograph/files/film_reader.h"
#include "trochograph/engine/engine_probe.h"

namespace trochograph::bench {
namespace {

constexpr int side = 1080;

// Arguments: the VideoKind (-1 for none), and the curve's steps a frame.
void filmFrames(benchmark::State& run)
{
    const bool filming = run.range(0) >= 0;
    const auto kind = static_cast<VideoKind>(run.range(0));
    const int stepsPerFrame = static_cast<int>(run.range(1));
    static constexpr const char* names[] = {"trochograph-bench.mp4", "trochograph-bench.webm", "trochograph-bench.gif"};
    const auto path = std::filesystem::temp_directory_path() / names[filming ? run.range(0) : 0];
    Surface noWindow;
    Engine engine(noWindow);
    engine.rebuildCanvas(side);
    CurveState& s = stateOf(engine);
    s.params.speed = 0;
    s.flags.okintro = 0;
    std::unique_ptr<VideoWriter> writer;
    if (filming) {
        Result<std::unique_ptr<VideoWriter>> opened = VideoWriter::open(path, kind, side, 30);
        if (!opened) {
            run.SkipWithError(opened.message().c_str());
            return;
        }
        writer = std::move(opened.value());
    }
    benchmark::IterationCount frame = 0;
    for (auto _ : run) {
        for (int i = 0; i < stepsPerFrame; ++i) {
            s.flags.okroulette = 1;
            engine.step();
            if (!s.flags.okroulette) s.restartOnFreshBackground();
        }
        if (!writer) continue;
        if (!writer->addFrame(engine.canvas())) run.SkipWithError("the frame could not be written");
        // The encoders' last frames are written by finish(), so it counts too.
        if (++frame == run.max_iterations && !writer->finish()) run.SkipWithError("the film could not be finished");
    }
    if (writer) {
        const auto bytes = static_cast<double>(std::filesystem::file_size(path));
        run.counters["bytes_per_frame"] = bytes / static_cast<double>(run.iterations());
        std::filesystem::remove(path);
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(filmFrames)
    ->ArgNames({"kind", "steps"})
    ->ArgsProduct({{-1, int(VideoKind::mp4), int(VideoKind::webm), int(VideoKind::gif)}, {10, 300}})
    ->Iterations(120)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The process's peak resident memory so far, in megabytes (VmHWM).
double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

// Arguments: the canvas's side, the drawing's seconds, the VideoKind.
void curveFilm(benchmark::State& run)
{
    static constexpr const char* names[] = {"trochograph-bench.mp4", "trochograph-bench.webm", "trochograph-bench.gif"};
    const auto path = std::filesystem::temp_directory_path() / names[run.range(2)];
    CurveState start;
    start.params.res = static_cast<int>(run.range(0));
    const FilmOptions options{30, static_cast<double>(run.range(1)), 0};
    for (auto _ : run)
        if (Result<void> filmed = filmCurve(start, path, options); !filmed) run.SkipWithError(filmed.message().c_str());
    std::filesystem::remove(path);
    run.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(curveFilm)
    ->ArgNames({"canvas", "seconds", "kind"})
    ->ArgsProduct({{2160, 9600}, {10}, {int(VideoKind::mp4), int(VideoKind::webm), int(VideoKind::gif)}})
    ->ArgsProduct({{600, 2160, 9600}, {60}, {int(VideoKind::mp4)}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

// Arguments: the preset, the VideoKind.
void thinLines(benchmark::State& run)
{
    static constexpr const char* names[] = {"trochograph-lines.mp4", "trochograph-lines.webm", "trochograph-lines.gif"};
    const auto path = std::filesystem::temp_directory_path() / names[run.range(1)];
    const Surface still = renderPreset(static_cast<int>(run.range(0)), side);
    for (auto _ : run) {
        Result<std::unique_ptr<VideoWriter>> opened = VideoWriter::open(path, static_cast<VideoKind>(run.range(1)), side, 30);
        if (!opened || !(*opened)->addFrame(still, 30) || !(*opened)->finish()) {
            run.SkipWithError("the film could not be written");
            return;
        }
    }
    const test::ReadFilm film = test::readFilm(path);
    if (!film.error.empty() || film.frames.empty()) {
        run.SkipWithError("the film could not be read");
        return;
    }
    const Surface& last = film.frames.back();
    double error = 0;
    long long lines = 0;
    for (std::size_t i = 0; i < still.pixels().size(); ++i) {
        const Colorref a = still.pixels()[i], b = last.pixels()[i];
        if (a == 0) continue;
        ++lines;
        error += (std::abs(redOf(a) - redOf(b)) + std::abs(greenOf(a) - greenOf(b)) + std::abs(blueOf(a) - blueOf(b))) / 3.0;
    }
    run.counters["line_error"] = lines ? error / static_cast<double>(lines) : 0;
    run.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(thinLines)
    ->ArgNames({"preset", "kind"})
    ->ArgsProduct({{3, 7, 20}, {int(VideoKind::mp4), int(VideoKind::webm)}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Argument: 0 for the file protocol by name, 1 for the descriptor.
void filmBytes(benchmark::State& run)
{
    const bool descriptor = run.range(0) == 1;
    const auto path = std::filesystem::temp_directory_path() / "trochograph-bench-bytes.mp4";
    const std::vector<std::uint8_t> piece(4096, 0x5A);
    std::vector<std::uint8_t> back(1 << 20);
    constexpr int piecesAFrame = 256, frames = 64;
    for (auto _ : run) {
        AVIOContext* io = nullptr;
        int fd = -1;
        if (descriptor) {
            fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            io = fd >= 0 ? openDescriptorIo(fd, true) : nullptr;
        } else if (avio_open(&io, ("file:" + path.string()).c_str(), AVIO_FLAG_WRITE) < 0) {
            io = nullptr;
        }
        if (!io) {
            run.SkipWithError("can't open the file");
            break;
        }
        for (int i = 0; i < frames * piecesAFrame; ++i) avio_write(io, piece.data(), static_cast<int>(piece.size()));
        AVIOContext* reader = nullptr;
        if (descriptor) {
            avio_flush(io);
            reader = openDescriptorIo(fd, false);
        } else {
            avio_flush(io);
            (void)avio_open(&reader, ("file:" + path.string()).c_str(), AVIO_FLAG_READ);
        }
        while (reader && avio_read(reader, back.data(), static_cast<int>(back.size())) > 0) {
        }
        if (descriptor) {
            (void)closeDescriptorIo(&reader);
            (void)closeDescriptorIo(&io);
            ::close(fd);
        } else {
            avio_closep(&reader);
            avio_closep(&io);
        }
    }
    std::filesystem::remove(path);
    run.SetBytesProcessed(run.iterations() * frames * piecesAFrame * 4096);
}
BENCHMARK(filmBytes)->ArgName("descriptor")->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trochograph::bench
