// The program's --render command line, run as its own process: the pictures it writes,
// the single line it prints for bad input or a failed write, and what an interrupted save
// leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/palette.h"
#include "engine/circle_animation.h"
#include "run_program.h"
#include "scratch_dir.h"
#include "small_tmpfs.h"
#include "trochograph/files/film_reader.h"

extern char** environ;

namespace trochograph::test {
namespace {

ProgramRun runProgram(const std::string& arguments) { return runCommand(TROCHOGRAPH_BINARY, arguments); }

// What the README promises for bad input: one line, naming the program.
bool isOneLine(const std::string& output)
{
    return output.rfind("trochograph: ", 0) == 0 && std::count(output.begin(), output.end(), '\n') == 1 &&
           output.back() == '\n';
}

std::string data(const std::string& name) { return quoted(std::filesystem::path(TEST_DATA_DIR) / name); }

// The colour of a pixel of a Targa file written by the program (top row first, B G R).
Colorref tgaPixel(const std::vector<std::uint8_t>& tga, int side, int x, int y)
{
    const std::size_t at = 18 + 3 * (static_cast<std::size_t>(y) * side + x);
    return rgb(tga[at + 2], tga[at + 1], tga[at]);
}

bool tgaContains(const std::vector<std::uint8_t>& tga, int side, Colorref c)
{
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (tgaPixel(tga, side, x, y) == c) return true;
    return false;
}

TEST(RenderCommand, DrawsTheDefaultCurveAsTargaOrPng)
{
    ScratchDir dir;
    const ProgramRun tga = runProgram("--render --output " + quoted(dir / "curve.tga"));
    EXPECT_EQ(tga.exitCode, 0) << tga.output;
    EXPECT_EQ(tga.output, "");
    const auto bytes = readBytes(dir / "curve.tga");
    ASSERT_EQ(bytes.size(), 18u + 3u * 600 * 600 + 26u);
    EXPECT_EQ(tgaPixel(bytes, 600, 0, 0), 0u) << "the background is black";
    // The curve begins and, in the last palette entry, ends at R + r - d right of the centre.
    EXPECT_EQ(tgaPixel(bytes, 600, 300 + 132 + 33 - 99, 300), builtinPalette[255]);

    const ProgramRun png = runProgram("--render --output " + quoted(dir / "curve.PNG") + " --size 100");
    EXPECT_EQ(png.exitCode, 0) << png.output;
    const auto pngBytes = readBytes(dir / "curve.PNG");
    ASSERT_GT(pngBytes.size(), 8u);
    EXPECT_EQ(std::string(pngBytes.begin() + 1, pngBytes.begin() + 4), "PNG");
}

// Any canvas films: an odd side padded to even for MP4, one above 2160 pixels
// scaled down to 2160, by both programs.
TEST(RenderCommand, FilmsOfAnyCanvas)
{
    ScratchDir dir;
    const std::string program = TROCHOGRAPH_BINARY, show = TROCHOGRAPH_SS_BINARY;
    const struct {
        std::string command;
        const char* name;
        int side;
    } cases[] = {
        {program + " --render --size 601 --duration 1 --fps 2 --output ", "odd.mp4", 602},
        {program + " --render --size 9600 --duration 1 --fps 1 --output ", "large.gif", 2160},
        {show + " --render 3 --size 601 --fps 2 --output ", "odd.webm", 601},
        {show + " --render 3 --size 2401 --fps 2 --output ", "large.mp4", 2160},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runCommand(c.command + quoted(dir / c.name), "");
        ASSERT_EQ(run.exitCode, 0) << c.command << run.output;
        const ReadFilm film = readFilm(dir / c.name);
        ASSERT_EQ(film.error, "") << c.name;
        ASSERT_FALSE(film.frames.empty());
        EXPECT_EQ(film.frames.back().width(), c.side) << c.name;
    }
}

TEST(RenderCommand, AppliesParametersPaletteAndOptions)
{
    ScratchDir dir;
    // A grey-ramp palette and a parameter file for a white-on-blue rose.
    std::string map;
    for (int i = 0; i < 256; ++i) map += std::to_string(i) + " " + std::to_string(i) + " " + std::to_string(i) + "\n";
    writeBytes(dir / "grey.map", map);
    const ProgramRun rose = runProgram("--render --output " + quoted(dir / "rose.tga") + " --params " +
                                data("rlt/rose_on_blue.rlt") + " --palette " + quoted(dir / "grey.map") +
                                " --size 201 --line-width 1 --scale 0.5 --animate");
    ASSERT_EQ(rose.exitCode, 0) << rose.output;
    const auto bytes = readBytes(dir / "rose.tga");
    ASSERT_EQ(bytes.size(), 18u + 3u * 201 * 201 + 26u);
    EXPECT_EQ(tgaPixel(bytes, 201, 0, 0), rgb(0, 0, 255)) << "background from the file";
    EXPECT_TRUE(tgaContains(bytes, 201, rgb(1, 1, 1))) << "palette entry 1 of the MAP file";
    EXPECT_TRUE(tgaContains(bytes, 201, circle_colors::fixedCircle)) << "--animate draws the fixed circle";
    // Scaled by half, the rose of amplitude 90 % stays within about 45 % of the centre.
    EXPECT_EQ(tgaPixel(bytes, 201, 100 + 60, 100), rgb(0, 0, 255));
}

TEST(RenderCommand, AnimateLeavesTheLastCirclesInThePicture)
{
    ScratchDir dir;
    ASSERT_EQ(runProgram("--render --output " + quoted(dir / "plain.tga") + " --size 150").exitCode, 0);
    ASSERT_EQ(runProgram("--render --output " + quoted(dir / "animated.tga") + " --size 150 --animate").exitCode, 0);
    const auto plain = readBytes(dir / "plain.tga"), animated = readBytes(dir / "animated.tga");
    for (Colorref c : {circle_colors::movingCircle, circle_colors::armOfTrochoid, circle_colors::spokes}) {
        EXPECT_FALSE(tgaContains(plain, 150, c));
        EXPECT_TRUE(tgaContains(animated, 150, c));
    }
}

TEST(RenderCommand, RefusesBadInputWithoutTouchingTheOutput)
{
    ScratchDir dir;
    const auto out = dir / "keep.tga";
    writeBytes(out, "precious");
    const std::pair<std::string, std::string> cases[] = {
        {"--size 5", "--size takes a whole number from 100 to 9600 (16384 with --antialias), not '5'"},
        {"--params " + quoted(dir / "missing.rlt"), "missing.rlt: Error opening RLT file"},
        {"--params " + data("rlt/type_7.rlt"), "type_7.rlt: type is 7"},
        {"--params " + data("rlt/truncated_57.rlt"), "truncated_57.rlt: "},
        {"--params " + data("png/no_parameters.png"), "no_parameters.png: no Trochograph parameters in this PNG picture"},
        {"--palette " + data("map/second_line_empty.map"), "second_line_empty.map: "},
        // Its size reads as 0, but it holds more: its first 100 bytes are read as a record.
        {"--params /proc/cpuinfo", "/proc/cpuinfo: type is "},
        {"--params " + quoted(dir / "missing.png"), "missing.png: Error opening PNG file"},
        // A newline in what is echoed stays in the one line, escaped.
        {"--params " + quoted(dir / "new\nline.rlt"), "new\\nline.rlt: Error opening RLT file"},
        {"--size '1\n2'", "not '1\\n2'"},
        {"--params " + data("png/signature_damaged.png"), "signature_damaged.png: not a PNG picture"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = runProgram("--render --output " + quoted(out) + " " + arguments);
        EXPECT_NE(run.exitCode, 0) << arguments;
        EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
        EXPECT_TRUE(isOneLine(run.output)) << run.output;
    }
    const auto kept = readBytes(out);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "precious");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"keep.tga"}) << "no partial files";

    const ProgramRun badFormat = runProgram("--render --output " + quoted(dir / "curve.bmp"));
    EXPECT_NE(badFormat.exitCode, 0);
    EXPECT_NE(badFormat.output.find("must end in .tga, .png, .svg, .gcode, .nc or .thr"), std::string::npos);
    EXPECT_TRUE(isOneLine(badFormat.output)) << badFormat.output;
    for (const char* name : {"nowhere/curve.tga", "nowhere/curve.png"}) {
        const ProgramRun unwritable = runProgram("--render --output " + quoted(dir / name));
        EXPECT_NE(unwritable.exitCode, 0) << unwritable.output;
        EXPECT_EQ(unwritable.output,
                  "trochograph: " + (dir / name).string() + ": can't create the file: No such file or directory\n");
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"keep.tga"});
}

// Each failure to write says why, in one line, for both formats; none leaves a file.
TEST(RenderCommand, FailedWritesPrintOneLineWithTheReason)
{
    ScratchDir dir;
    const std::string longName = std::string(256, 'n');
    for (const char* ext : {".tga", ".png"}) {
        const auto out = dir / (longName + ext);
        const ProgramRun run = runProgram("--render --size 100 --output " + quoted(out));
        EXPECT_NE(run.exitCode, 0);
        EXPECT_EQ(run.output, "trochograph: " + out.string() + ": can't create the file: File name too long\n");
    }
    EXPECT_TRUE(dir.entries().empty());

    SmallTmpfs readOnly("size=64k,ro");
    if (readOnly.available()) {
        const ProgramRun run = runProgram("--render --size 100 --output " + quoted(readOnly / "a.png"));
        EXPECT_EQ(run.output,
                  "trochograph: " + (readOnly / "a.png").string() + ": can't create the file: Read-only file system\n");
    }
    SmallTmpfs full("size=64k");
    if (!full.available()) GTEST_SKIP() << full.why();
    writeBytes(full / "old.png", "old");
    full.fill("filler");
    for (const char* name : {"old.png", "old.tga"}) {
        const ProgramRun run = runProgram("--render --size 300 --output " + quoted(full / name));
        EXPECT_NE(run.exitCode, 0);
        EXPECT_EQ(run.output,
                  "trochograph: " + (full / name).string() + ": can't write the file: No space left on device\n");
    }
    const auto old = readBytes(full / "old.png");
    EXPECT_EQ(std::string(old.begin(), old.end()), "old");
    auto entries = full.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"filler", "old.png"}));
}

// Killed while the file is being written, the program dies of the signal, the old file
// stays and nothing else is left: SIGTERM while the largest canvas is written (a temporary
// file of about 276 MB), and SIGKILL, which no handler sees, while a film is, where the file
// system makes unnamed files. The kill is sent at the first write into the folder, as
// inotify reports it.
TEST(RenderCommand, AKilledSaveLeavesNoTemporaryFile)
{
    const std::tuple<int, const char*, std::vector<const char*>> cases[] = {
        {SIGTERM, "big.tga", {"--size", "9600"}},
        {SIGKILL, "long.mp4", {"--size", "1000", "--duration", "600"}},
    };
    for (const auto& [signal, name, options] : cases) {
        SCOPED_TRACE(name);
        ScratchDir dir;
        if (signal == SIGKILL && !unnamedFilesWork(dir.path())) GTEST_SKIP() << "this file system makes no unnamed files";
        writeBytes(dir / name, "old");
        const int watch = inotify_init1(IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        ASSERT_GE(inotify_add_watch(watch, dir.path().c_str(), IN_MODIFY), 0);

        const std::string out = (dir / name).string();
        std::vector<const char*> argv = {TROCHOGRAPH_BINARY, "--render", "--output", out.c_str()};
        argv.insert(argv.end(), options.begin(), options.end());
        argv.push_back(nullptr);
        pid_t pid = -1;
        ASSERT_EQ(posix_spawn(&pid, TROCHOGRAPH_BINARY, nullptr, nullptr, const_cast<char**>(argv.data()), environ), 0);
        // The time-out only keeps a broken program from hanging the test.
        pollfd ready{watch, POLLIN, 0};
        const bool writing = poll(&ready, 1, 300'000) == 1;
        kill(pid, signal);
        int status = 0;
        waitpid(pid, &status, 0);
        close(watch);
        ASSERT_TRUE(writing) << "nothing was written";
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
        EXPECT_EQ(readText(dir / name), "old");
    }
}

// Only a regular file is saved over, picture or film: a FIFO named as the output is not
// replaced (nor opened, which would block), a link to a device is not followed onto it, nor
// is a link that another user planted in a sticky folder anyone may write to. One line
// says so, and each stays as it was.
TEST(RenderCommand, RefusesOutputsThatAreNotRegularFiles)
{
    ScratchDir dir;
    for (const char* fifo : {"fifo.png", "fifo.mp4"}) ASSERT_EQ(mkfifo((dir / fifo).c_str(), 0644), 0);
    const ScratchDevice device;
    for (const char* link : {"null.tga", "null.gif"}) std::filesystem::create_symlink(device.path(), dir / link);
    // A link of another user's in a shared folder, to a file of the user's.
    std::filesystem::create_directory(dir / "shared");
    chmod((dir / "shared").c_str(), 01777);
    writeBytes(dir / "victim", "old");
    std::filesystem::create_symlink(dir / "victim", dir / "shared" / "planted.png");
    const bool foreignLink = lchown((dir / "shared" / "planted.png").c_str(), 54321, -1) == 0;

    const std::string fifo = "can't save over a named pipe, only over a regular file";
    const std::string null = "can't save over a character device (" + device.path().string() + "), only over a regular file";
    std::vector<std::pair<std::filesystem::path, std::string>> cases = {
        {dir / "fifo.png", fifo}, {dir / "fifo.mp4", fifo}, {dir / "null.tga", null}, {dir / "null.gif", null}};
    if (foreignLink)
        cases.emplace_back(dir / "shared" / "planted.png",
                           "can't follow a link that another user owns in a sticky folder anyone may write to");
    for (const auto& [out, message] : cases) {
        const ProgramRun run = runProgram("--render --size 100 --output " + quoted(out));
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_EQ(run.output, "trochograph: " + out.string() + ": " + message + "\n");
    }
    for (const char* name : {"fifo.png", "fifo.mp4"})
        EXPECT_EQ(std::filesystem::symlink_status(dir / name).type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(std::filesystem::status(device.path()).type(), std::filesystem::file_type::character);
    EXPECT_EQ(readText(dir / "victim"), "old");
    EXPECT_EQ(dir.entries().size(), 6u);
    if (!foreignLink) GTEST_SKIP() << "a link of another user needs root to make; the rest was checked";
}

// A PNG the program wrote carries its curve: drawn again from it, it is the same file, at
// the side, pen width, scale and palette it was drawn with, unless an option says otherwise.
TEST(RenderCommand, APngDrawnAgainFromItsOwnParametersIsTheSameFile)
{
    ScratchDir dir;
    std::string map;
    for (int i = 0; i < 256; ++i) map += std::to_string(i) + " " + std::to_string(255 - i) + " 7\n";
    writeBytes(dir / "ramp.map", map);
    const ProgramRun first = runProgram("--render --output " + quoted(dir / "first.png") + " --params " +
                                        data("rlt/rose_on_blue.rlt") + " --palette " + quoted(dir / "ramp.map") +
                                        " --size 151 --line-width 1 --scale 0.5");
    ASSERT_EQ(first.exitCode, 0) << first.output;
    const ProgramRun again =
        runProgram("--render --output " + quoted(dir / "again.png") + " --params " + quoted(dir / "first.png"));
    ASSERT_EQ(again.exitCode, 0) << again.output;
    EXPECT_EQ(readBytes(dir / "again.png"), readBytes(dir / "first.png"));

    const ProgramRun sized = runProgram("--render --output " + quoted(dir / "sized.png") + " --params " +
                                        quoted(dir / "first.png") + " --size 120");
    ASSERT_EQ(sized.exitCode, 0) << sized.output;
    const auto header = readBytes(dir / "sized.png");
    EXPECT_EQ(std::vector<std::uint8_t>(header.begin() + 16, header.begin() + 24),
              (std::vector<std::uint8_t>{0, 0, 0, 120, 0, 0, 0, 120}));
}

// A parameter file is read once, from its start: through a pipe as from a file, a PNG
// picture as a .rlt file, and a .rlt file with more after its record as one without.
TEST(RenderCommand, ParametersComeThroughPipesAndPaddedFiles)
{
    ScratchDir dir;
    const std::string rose = data("rlt/rose_on_blue.rlt");
    ASSERT_EQ(runProgram("--render --size 120 --output " + quoted(dir / "rose.png") + " --params " + rose).exitCode, 0);
    auto bytes = readBytes(std::filesystem::path(rose.substr(1, rose.size() - 2)));
    bytes.insert(bytes.end(), {'\n', 0, 0, 0});
    writeBytes(dir / "padded.rlt", std::string(bytes.begin(), bytes.end()));

    const std::pair<std::string, std::string> cases[] = {
        {"cat " + rose + " | " + TROCHOGRAPH_BINARY, "/dev/stdin"},
        {"cat " + quoted(dir / "rose.png") + " | " + TROCHOGRAPH_BINARY, "/dev/stdin"},
        {TROCHOGRAPH_BINARY, quoted(dir / "padded.rlt")},
    };
    for (const auto& [program, params] : cases) {
        const ProgramRun run = runCommand(program, "--render --size 120 --output " + quoted(dir / "again.png") +
                                                       " --params " + params);
        ASSERT_EQ(run.exitCode, 0) << program << ": " << run.output;
        EXPECT_EQ(readBytes(dir / "again.png"), readBytes(dir / "rose.png")) << program << " " << params;
    }
}

TEST(RenderCommand, HelpPrintsTheUsage)
{
    const ProgramRun help = runProgram("--render --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output.rfind("usage: trochograph --render --output OUT", 0), 0u) << help.output;
}

}  // namespace
}  // namespace trochograph::test

namespace trochograph::test {
namespace {

// The rose of the README as G-code and as a sand table's track; a curve beyond the table is
// refused in one line, leaving the file there as it was, and fitted in with --fit.
TEST(RenderCommand, WritesMachineFilesAndRefusesACurveBeyondTheTable)
{
    ScratchDir dir;
    const std::string rose = quoted(std::filesystem::path(TEST_DATA_DIR) / "../../docs/curves/rose.rlt");
    for (const char* name : {"rose.gcode", "rose.thr"}) {
        const std::filesystem::path preview = dir / (std::string(name) + ".png");
        const ProgramRun run = runProgram("--render --params " + rose + " --output " + quoted(dir / name) +
                                          " --preview-png " + quoted(preview));
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(readBytes(preview).at(1), 'P') << "a PNG picture of the machine's path";
        const auto bytes = readBytes(dir / name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes[0], std::string_view(name).ends_with(".thr") ? '#' : ';');
    }
    const std::filesystem::path out = dir / "keep.thr";
    writeBytes(out, "precious");
    const ProgramRun beyond = runProgram("--render --scale 3 --output " + quoted(out));
    EXPECT_EQ(beyond.exitCode, 2);
    EXPECT_TRUE(isOneLine(beyond.output)) << beyond.output;
    EXPECT_NE(beyond.output.find("times the table's radius"), std::string::npos) << beyond.output;
    const auto kept = readBytes(out);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "precious");
    const ProgramRun fitted = runProgram("--render --scale 3 --fit --output " + quoted(out));
    EXPECT_EQ(fitted.exitCode, 0) << fitted.output;
}

}  // namespace
}  // namespace trochograph::test
