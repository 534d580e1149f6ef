// The command lines of both programs, read by the one option parser: what each accepts, and
// the one-line reason, with its kind (a line of the wrong shape, or a value refused), for
// what each refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>

#include "common/option_table.h"
#include "run_program.h"
#include "scratch_dir.h"
#include "shell/command_line.h"
#include "shell/render_options.h"
#include "shell/show_command_line.h"
#include "shell/show_preview.h"
#include "version.h"

namespace trochograph::test {
namespace {

using Args = std::vector<std::string>;

// Every parse told as one line: what was read, or the error's kind and message.
template <class T>
std::string told(const Result<T>& r, std::string (*tell)(const T&))
{
    if (r) return tell(*r);
    const char* kind = r.code() == ErrorCode::usage ? "usage: " : r.code() == ErrorCode::badValue ? "value: " : "other: ";
    return kind + r.message();
}

std::string join(const Args& args)
{
    std::string text;
    for (const std::string& a : args) text += " " + a;
    return text;
}

std::string tellProgram(const ProgramCommand& c)
{
    switch (c.kind) {
    case ProgramCommand::window: return "window" + (c.file.empty() ? "" : " " + c.file);
    case ProgramCommand::render: return "render" + join(c.renderArgs);
    case ProgramCommand::help: return "help";
    case ProgramCommand::version: return "version";
    }
    return "?";
}

// The options that differ from their defaults.
std::string tellRender(const RenderOptions& o)
{
    std::ostringstream s;
    s << "output=" << o.output;
    if (o.params) s << " params=" << *o.params;
    if (o.palette) s << " palette=" << *o.palette;
    if (o.sizeGiven || o.size != 600) s << " size=" << o.size << (o.sizeGiven ? "" : "(not given)");
    if (o.lineWidth) s << " line-width=" << *o.lineWidth;
    if (o.scale) s << " scale=" << *o.scale;
    if (o.rounding) s << " rounding=" << *o.rounding;
    if (o.animate) s << " animate";
    if (o.antialias) s << " antialias";
    if (o.filmTimingGiven) s << " fps=" << o.fps << " seconds=" << o.seconds;
    if (o.plot != PlotSettings{}) {
        const PlotSettings& p = o.plot;
        s << " plot=" << p.size << "mm," << originName(p.origin) << ",'" << p.penUp << "','" << p.penDown << "',"
          << p.feed << "," << p.travelFeed << (p.penChange ? ",change" : "") << ",tol=" << p.tolerance
          << (p.fit ? ",fit" : "") << "," << trackEndName(p.trackFrom) << "-" << trackEndName(p.trackTo);
    }
    if (o.help) s << " help";
    return s.str();
}

std::string tellShow(const ShowCommand& c)
{
    switch (c.kind) {
    case ShowCommand::show: return "show";
    case ShowCommand::render: return "render" + join(c.renderArgs);
    case ShowCommand::help: return "help";
    case ShowCommand::version: return "version";
    case ShowCommand::hack: break;
    }
    std::ostringstream s;
    s << "hack ";
    if (c.hackOptions.window) s << "window=" << *c.hackOptions.window;
    else s << "root";
    s << " delay=" << c.hackOptions.delay;
    return s.str();
}

std::string tellPreview(const PreviewOptions& o)
{
    if (o.help) return "help";
    return "preset=" + std::to_string(o.preset) + " output=" + o.output + " size=" + std::to_string(o.size) +
           (o.fpsGiven ? " fps=" + std::to_string(o.fps) : "");
}

enum Parser { program, render, show, preview };

struct Case {
    Parser parser;
    Args args;
    std::string told;
    const char* screensaverWindow = nullptr;  // XSCREENSAVER_WINDOW, for the show
};

std::string parse(const Case& c)
{
    switch (c.parser) {
    case program: return told(parseCommandLine(c.args), tellProgram);
    case render: return told(parseRenderOptions(c.args), tellRender);
    case show: return told(parseShowCommandLine(c.args, c.screensaverWindow), tellShow);
    case preview: return told(parsePreviewOptions(c.args), tellPreview);
    }
    return "?";
}

TEST(CommandLines, AcceptAndRefuseAlike)
{
    const std::string sizeRange = "--size takes a whole number from 100 to 9600 (16384 with --antialias), not ";
    const std::string badId = " takes a window id, decimal or 0x-hex, not ";
    const std::string wholeFrom = " takes a whole number from ";
    const std::string scaleRange = " takes a number from 0.1 to 5.0, not ";
    const std::string badDelay = " takes a number of milliseconds from 0 to 1000, not ";
    const Case cases[] = {
        // trochograph: the window, with one file or none, or a mode.
        {program, {}, "window"},
        {program, {"/home/ana/rose.rlt"}, "window /home/ana/rose.rlt"},
        {program, {"\"rose.rlt\""}, "window \"rose.rlt\""},
        {program, {"--", "-odd.rlt"}, "window -odd.rlt"},
        {program, {"-"}, "window -"},
        {program, {"--help"}, "help"},
        {program, {"rose.rlt", "-h"}, "help"},
        {program, {"--version"}, "version"},
        {program, {"--render", "--output", "x.png"}, "render --output x.png"},
        {program, {"--render"}, "render"},
        {program, {"--verbose"}, "usage: unknown option '--verbose'"},
        {program, {"rose.rlt", "-x"}, "usage: unknown option '-x'"},
        {program, {"a.rlt", "b.rlt"}, "usage: one parameter file at a time, not 2"},
        {program, {"--", "a.rlt", "--", "c.rlt"}, "usage: one parameter file at a time, not 3"},
        {program, {"a.rlt", "--render"}, "usage: --render goes first, before any other argument"},
        // trochograph --render.
        {render,
         {"--output", "a.tga", "--params", "p.rlt", "--palette", "m.map", "--size", "9600", "--line-width", "5",
          "--scale", "0.1", "--rounding", "0", "--animate"},
         "output=a.tga params=p.rlt palette=m.map size=9600 line-width=5 scale=0.1 rounding=0 animate"},
        {render, {"--size", "16384", "--output", "a.png", "--antialias"}, "output=a.png size=16384 antialias"},
        {render, {"--output", "a.tga", "--scale", "5", "--size", "100"}, "output=a.tga size=100 scale=5"},
        {render, {"--output", "-dash.svg", "--scale", "1.5e0"}, "output=-dash.svg scale=1.5"},
        {render, {"--help"}, "output= help"},
        {render, {"--output", "a.tga", "-h", "--bogus"}, "output=a.tga help"},
        {render, {}, "usage: --output is missing"},
        {render, {"--output", ""}, "value: --output: the name is empty"},
        {render, {"--output", "a.png", "--params", ""}, "value: --params: the name is empty"},
        {render, {"--output", "a.png", "--output", ""}, "usage: --output is given twice"},
        {render, {"--output", "a.png", "--animate", "--size", "100", "--animate"}, "usage: --animate is given twice"},
        {render, {"--output", "a.bmp"},
         "value: a.bmp: the output must end in .tga, .png, .svg, .gcode, .nc or .thr, or .mp4, .webm or .gif for a "
         "film"},
        {render, {"--output", "b/.png"}, "value: b/.png: the output needs a name before .png"},
        {render, {"--output", ".MP4"}, "value: .MP4: the output needs a name before .mp4"},
        {render, {"--output", "a.png", "--fps", "30"}, "usage: --fps and --duration are for films (.mp4, .webm or .gif)"},
        {render, {"--output", "a.svg", "--antialias"}, "usage: --antialias paints .png pictures, not a.svg"},
        {render, {"--output", "a.mp4", "--size", "2160"}, "output=a.mp4 size=2160"},
        // A film of any canvas: scaled down to 2160 pixels, an odd side padded.
        {render, {"--output", "a.mp4", "--size", "9600"}, "output=a.mp4 size=9600"},
        {render, {"--output", "a.webm", "--size", "101"}, "output=a.webm size=101"},
        // Machines: G-code and sand table tracks.
        {render,
         {"--output", "a.nc", "--plot-size", "300", "--plot-origin", "centre", "--pen-up", "M5", "--pen-down",
          "M3 S90", "--feed", "800", "--travel-feed", "6000", "--pen-change", "--tolerance", "0.1"},
         "output=a.nc plot=300mm,centre,'M5','M3 S90',800,6000,change,tol=0.1,centre-centre"},
        {render, {"--output", "a.thr", "--fit", "--thr-from", "edge", "--thr-to", "edge"},
         "output=a.thr plot=200mm,corner,'G0 Z5','G1 Z0 F500',1500,3000,tol=0.05,fit,edge-edge"},
        {render, {"--output", "a.gcode", "--plot-size", "5"}, "value: --plot-size takes a number from 10 to 5000, not '5'"},
        {render, {"--output", "a.thr", "--plot-size", "5001"},
         "value: --plot-size takes a number from 10 to 5000, not '5001'"},
        {render, {"--output", "a.gcode", "--tolerance", "0"}, "value: --tolerance takes a number from 0.01 to 10, not '0'"},
        {render, {"--output", "a.gcode", "--feed", "-5"}, "value: --feed takes a number from 1 to 100000, not '-5'"},
        {render, {"--output", "a.gcode", "--plot-origin", "middle"}, "value: --plot-origin takes corner or centre, not 'middle'"},
        {render, {"--output", "a.thr", "--thr-to", "rim"}, "value: --thr-to takes centre or edge, not 'rim'"},
        {render, {"--output", "a.gcode", "--pen-up", "G0 Z5\nG4 P1"}, "value: --pen-up holds a line break"},
        {render, {"--output", "a.gcode", "--pen-down", std::string(201, 'G')},
         "value: --pen-down is longer than 200 characters"},
        {render, {"--output", "a.gcode", "--pen-down", ""}, "value: --pen-down: the name is empty"},
        {render, {"--output", "a.png", "--tolerance", "1"},
         "usage: the plot options are for G-code (.gcode, .nc) and sand table tracks (.thr)"},
        {render, {"--output", "a.thr", "--feed", "100"},
         "usage: --plot-origin, --pen-up, --pen-down, --feed, --travel-feed and --pen-change are for G-code (.gcode, "
         ".nc)"},
        {render, {"--output", "a.gcode", "--preview-png", "a.tga"}, "value: --preview-png must end in .png, not a.tga"},
        {render, {"--output", "a.svg", "--preview-png", "a.png"},
         "usage: the plot options are for G-code (.gcode, .nc) and sand table tracks (.thr)"},
        {render, {"--output", "a.gcode", "--fit"}, "usage: --fit, --thr-from and --thr-to are for sand table tracks (.thr)"},
        {render, {"--output", "a.gif", "--size", "101"}, "output=a.gif size=101"},
        {render, {"--output"}, "usage: --output needs a file name"},
        {render, {"--output", "a.tga", "--size"}, "usage: --size needs a whole number"},
        {render, {"--output", "a.tga", "--colour", "red"}, "usage: unknown option '--colour'"},
        {render, {"--output", "a.tga", "extra"}, "usage: unexpected argument 'extra'"},
        {render, {"--output", "a.png", "--antialias", "--size", "16385"}, "value: " + sizeRange + "'16385'"},
        {render, {"--output", "a.tga", "--size", "99"}, "value: " + sizeRange + "'99'"},
        {render, {"--output", "a.tga", "--size", "9601"}, "value: " + sizeRange + "'9601'"},
        {render, {"--output", "a.tga", "--size", "640px"}, "value: " + sizeRange + "'640px'"},
        {render, {"--output", "a.tga", "--size", " +100"}, "value: " + sizeRange + "' +100'"},
        {render, {"--output", "a.tga", "--size", "+100"}, "value: " + sizeRange + "'+100'"},
        {render, {"--output", "a.tga", "--size", "1e3"}, "value: " + sizeRange + "'1e3'"},
        {render, {"--output", "a.tga", "--line-width", "0"}, "value: --line-width" + wholeFrom + "1 to 5, not '0'"},
        {render, {"--output", "a.tga", "--rounding", "11"}, "value: --rounding" + wholeFrom + "0 to 10, not '11'"},
        {render, {"--output", "a.tga", "--scale", "5.01"}, "value: --scale" + scaleRange + "'5.01'"},
        {render, {"--output", "a.mp4", "--fps", "24", "--duration", "2.5"}, "output=a.mp4 fps=24 seconds=2.5"},
        {render, {"--output", "a.gif", "--fps", "61"}, "value: --fps" + wholeFrom + "1 to 60, not '61'"},
        {render, {"--output", "a.gif", "--duration", "0"},
         "value: --duration takes a number from 1.0 to 600.0, not '0'"},
        {render, {"--output", "a.gif", "--duration", "1e9"},
         "value: --duration takes a number from 1.0 to 600.0, not '1e9'"},
        {render, {"--output", "a.tga", "--scale", "nan"}, "value: --scale" + scaleRange + "'nan'"},
        {render, {"--output", "a.tga", "--scale", "1,5"}, "value: --scale" + scaleRange + "'1,5'"},
        // trochograph-ss: the show, or the hack in the window -window-id names, else
        // XSCREENSAVER_WINDOW, else the root window; a set but empty variable counts as unset.
        {show, {}, "show"},
        {show, {}, "show", ""},
        {show, {}, "hack window=27262979 delay=5", "0x1a00003"},
        {show, {"--help"}, "help"},
        {show, {"-h"}, "help", "0x10"},
        {show, {"-root", "--help"}, "help"},
        {show, {"--version"}, "version"},
        {show, {"--render", "3", "--output", "a.tga"}, "render 3 --output a.tga", "0x10"},
        {show, {"-root"}, "hack root delay=5"},
        {show, {"-root"}, "hack window=12345 delay=5", "12345"},
        {show, {"--root"}, "hack window=42 delay=5", "0X2a"},
        {show, {"-window-id", "0x400007"}, "hack window=4194311 delay=5"},
        {show, {"--window-id", "4194311"}, "hack window=4194311 delay=5"},
        {show, {"-window-id", "0xFFFFFFFF"}, "hack window=4294967295 delay=5"},
        {show, {"-root", "-window-id", "77"}, "hack window=77 delay=5", "0x99"},
        {show, {"-window-id", "77"}, "hack window=77 delay=5", "junk"},
        {show, {"-root", "-delay", "0"}, "hack root delay=0"},
        {show, {"--delay", "1000", "-root"}, "hack root delay=1000"},
        {show, {"-delay", "20"}, "hack window=153 delay=20", "0x99"},
        {show, {"-delay", "5"}, "usage: -delay is for the screensaver hack: give -root or -window-id as well"},
        {show, {"-root", "-delay", "1001"}, "value: -delay" + badDelay + "'1001'"},
        {show, {"-root", "--delay", "-1"}, "value: --delay" + badDelay + "'-1'"},
        {show, {"-root", "-delay", "5ms"}, "value: -delay" + badDelay + "'5ms'"},
        {show, {"-root", "-delay", "+5"}, "value: -delay" + badDelay + "'+5'"},
        {show, {"-root", "-delay"}, "usage: -delay needs a number of milliseconds"},
        {show, {"-window-id"}, "usage: -window-id needs a window id"},
        {show, {"-window-id", ""}, "value: -window-id" + badId + "''"},
        {show, {"-window-id", "12abc"}, "value: -window-id" + badId + "'12abc'"},
        {show, {"-window-id", " 12"}, "value: -window-id" + badId + "' 12'"},
        {show, {"-window-id", "0x"}, "value: -window-id" + badId + "'0x'"},
        {show, {"-window-id", "-5"}, "value: -window-id takes a window id, not the negative '-5'"},
        {show, {"-window-id", "0"}, "value: -window-id takes a window id, not 0, which is no window"},
        {show, {"--window-id", "0x0"}, "value: --window-id takes a window id, not 0, which is no window"},
        {show, {"-window-id", "4294967296"}, "value: -window-id: '4294967296' is too large for a window id"},
        {show, {"-window-id", "0x100000000"}, "value: -window-id: '0x100000000' is too large for a window id"},
        {show, {"-root"}, "value: XSCREENSAVER_WINDOW" + badId + "'junk'", "junk"},
        {show, {}, "value: XSCREENSAVER_WINDOW takes a window id, not 0, which is no window", "0"},
        {show, {"-bogus"}, "usage: unknown option '-bogus'"},
        {show, {"-root", "---root"}, "usage: unknown option '---root'"},
        {show, {"-root", "-delay", "1", "--delay", "2"}, "usage: --delay is given twice, the first time as -delay"},
        {show, {"-root", "--render", "3"}, "usage: --render goes first, before any other argument"},
        // trochograph-ss --render.
        {preview, {"2", "--output", "a.tga"}, "preset=2 output=a.tga size=1080"},
        {preview, {"--output", "a.png", "28", "--size", "9600"}, "preset=28 output=a.png size=9600"},
        {preview, {"-h"}, "help"},
        {preview, {"3", "--help", "--bogus"}, "help"},
        {preview, {}, "usage: --render needs a preset number"},
        {preview, {"--output", "a.tga"}, "usage: --render needs a preset number"},
        {preview, {"3"}, "usage: --output is missing"},
        {preview, {"3", "4", "--output", "a.tga"}, "usage: one preset number at a time, not 2"},
        {preview, {"3", "--output", "a.tga", "--speed", "2"}, "usage: unknown option '--speed'"},
        {preview, {"29", "--output", "a.tga"}, "value: --render takes a preset number from 0 to 28, not '29'"},
        {preview, {"-1", "--output", "a.tga"}, "value: --render takes a preset number from 0 to 28, not '-1'"},
        {preview, {" +2", "--output", "a.tga"}, "value: --render takes a preset number from 0 to 28, not ' +2'"},
        {preview, {"x", "--output", "a.tga"}, "value: --render takes a preset number from 0 to 28, not 'x'"},
        {preview, {"3", "--output", "a.tga", "--size", "99"}, "value: --size" + wholeFrom + "100 to 9600, not '99'"},
        {preview, {"3", "--output", "a.tga", "--size", " +1"}, "value: --size" + wholeFrom + "100 to 9600, not ' +1'"},
        {preview, {"3", "--output", "x.bmp"},
         "value: x.bmp: the output must end in .tga or .png, or .mp4, .webm or .gif for a film"},
        {preview, {"3", "--output", "a.webm", "--fps", "12"}, "preset=3 output=a.webm size=1080 fps=12"},
        {preview, {"3", "--output", "a.png", "--fps", "12"}, "usage: --fps is for films (.mp4, .webm or .gif)"},
        {preview, {"3", "--output", "a.gif", "--fps", "0"}, "value: --fps" + wholeFrom + "1 to 60, not '0'"},
        {preview, {"3", "--output", ".gif"}, "value: .gif: the output needs a name before .gif"},
        {preview, {"3", "--output", ".svg"},
         "value: .svg: the output must end in .tga or .png, or .mp4, .webm or .gif for a film"},
        {preview, {"3", "--output", "a.tga", "--size", "200", "--size", "300"}, "usage: --size is given twice"},
        {preview, {"3", "--output", "a.mp4"}, "preset=3 output=a.mp4 size=1080"},
        {preview, {"3", "--output", "a.mp4", "--size", "3000"}, "preset=3 output=a.mp4 size=3000"},
        {preview, {"3", "--output", "a.webm", "--size", "999"}, "preset=3 output=a.webm size=999"},
    };
    const char* parsers[] = {"trochograph", "trochograph --render", "trochograph-ss", "trochograph-ss --render"};
    for (const Case& c : cases) {
        std::string shown = parsers[c.parser] + join(c.args);
        if (c.screensaverWindow) shown += std::string(" with XSCREENSAVER_WINDOW=") + c.screensaverWindow;
        EXPECT_EQ(parse(c), c.told) << shown;
    }
}

struct Sample {
    bool quiet = false;
    int count = 0;
    std::string name;
};

// The layout of a usage text: a synopsis made from the options and broken between them,
// the help in one column, a label too long for it with its help on the next line.
TEST(CommandLines, UsageIsMadeFromTheTable)
{
    const OptionTable<Sample> table{
        "sample",
        {},
        "Counts.",
        {
            path({}, "NAME", &Sample::name, "what to count").required(),
            whole({"--count", "-c"}, "N", &Sample::count, Range<int>{1, 9}, "how many, 1 to 9"),
            flag({"--quiet-and-very-long"}, &Sample::quiet,
                 "say nothing at all while counting, however long the counting goes on, which can be a long time"),
            flag({"--q1"}, &Sample::quiet, "one"),
            flag({"--q2"}, &Sample::quiet, "two"),
            flag({"--q3"}, &Sample::quiet, "three"),
            flag({"--q4"}, &Sample::quiet, "four"),
            flag({"--q5"}, &Sample::quiet, "five"),
            answer({"--help"}, &Sample::quiet, "print this usage"),
        },
    };
    EXPECT_EQ(usageText(table),
              "usage: sample NAME [--count N] [--quiet-and-very-long] [--q1] [--q2] [--q3] [--q4]\n"
              "              [--q5]\n"
              "\n"
              "Counts.\n"
              "\n"
              "  NAME                what to count\n"
              "  --count, -c N       how many, 1 to 9\n"
              "  --quiet-and-very-long\n"
              "                      say nothing at all while counting, however long the counting goes\n"
              "                      on, which can be a long time\n"
              "  --q1                one\n"
              "  --q2                two\n"
              "  --q3                three\n"
              "  --q4                four\n"
              "  --q5                five\n"
              "  --help              print this usage\n");
    // Every line of the programs' usages fits 88 columns.
    for (const std::string& usage : {programUsage(), renderUsage(), showUsage(), previewUsage()}) {
        std::istringstream lines(usage);
        for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 88u) << line;
    }
}

#ifdef TROCHOGRAPH_BINARY
// Answers go to stdout with exit code 0; complaints to stderr with exit code 2, with the
// usage after a line of the wrong shape.
TEST(CommandLines, ProgramAnswersOnTheRightStream)
{
    const ProgramRun version = runCommand(TROCHOGRAPH_BINARY, "--version", Capture::stdoutOnly);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "trochograph " + std::string(trochograph::version) + "\n");
    const ProgramRun help = runCommand(TROCHOGRAPH_BINARY, "--help", Capture::stdoutOnly);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output, programUsage());
    const ProgramRun wrong = runCommand(TROCHOGRAPH_BINARY, "--bogus", Capture::stderrOnly);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.output, "trochograph: unknown option '--bogus'\n" + programUsage());
    const ProgramRun value =
        runCommand(TROCHOGRAPH_BINARY, "--render --output x.tga --size ' +100'", Capture::stderrOnly);
    EXPECT_EQ(value.exitCode, 2);
    EXPECT_EQ(value.output,
              "trochograph: --size takes a whole number from 100 to 9600 (16384 with --antialias), not ' +100'\n");
}
#endif

#ifdef TROCHOGRAPH_BINARY
// Both programs exit as their manual pages say: 2 for a command line they refuse, whether
// the parser or a later check finds the fault, 1 when the work itself fails; each with one
// line.
TEST(CommandLines, ExitCodesFollowTheManuals)
{
    ScratchDir dir;
    const std::string program = TROCHOGRAPH_BINARY, show = TROCHOGRAPH_SS_BINARY;
    const std::string picture = " --output " + quoted(dir / "p.png");
    const struct {
        std::string command;
        int exitCode;
        std::string line;
    } cases[] = {
        {program + " --bogus", 2, "unknown option '--bogus'"},
        {program + " --render" + picture + " --fps 30", 2, "--fps and --duration are for films"},
        {show + " --render 3" + picture + " --fps 30", 2, "--fps is for films"},
        {program + " --render" + picture + " --output " + quoted(dir / "q.png"), 2, "--output is given twice"},
        {show + " --render 3 --output ''", 2, "--output: the name is empty"},
        {show + " -root -delay 2000", 2, "-delay takes a number of milliseconds"},
        {program + " --render" + picture + " --params " + quoted(dir / "missing.rlt"), 1,
         "missing.rlt: Error opening RLT file"},
        {show + " --render 3 --output " + quoted(dir / "nowhere" / "p.png"), 1, "can't create the file"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runCommand(c.command, "", Capture::stderrOnly);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.command << "\n" << run.output;
        EXPECT_NE(run.output.find(c.line), std::string::npos) << c.command << "\n" << run.output;
        // The usage follows an unknown option, else the line stands alone.
        if (c.line.starts_with("unknown")) continue;
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << c.command << "\n" << run.output;
    }
    EXPECT_TRUE(dir.entries().empty());
}
#endif

#ifdef TROCHOGRAPH_BINARY
// Without a display, or with one that refuses the connection, both programs say so in one
// line that tells how to draw without one, and end with exit code 1.
TEST(CommandLines, NoDisplayIsOneLineAndExitCodeOne)
{
    const std::string noWayland = "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    const std::pair<std::string, std::string> cases[] = {
        {noWayland + "-u DISPLAY " + TROCHOGRAPH_BINARY, "trochograph: no display found; "},
        {noWayland + "DISPLAY=:4711 " + TROCHOGRAPH_BINARY, "trochograph: no display found; "},
        {noWayland + "-u DISPLAY " + TROCHOGRAPH_SS_BINARY, "trochograph-ss: no display found; "},
        {noWayland + "DISPLAY=:4711 " + TROCHOGRAPH_SS_BINARY, "trochograph-ss: no display found; "},
    };
    for (const auto& [program, line] : cases) {
        const ProgramRun run = runCommand(program, "");
        EXPECT_EQ(run.exitCode, 1) << program << ": " << run.output;
        EXPECT_EQ(run.output.rfind(line, 0), 0u) << program << ": " << run.output;
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
    }
}
#endif

}  // namespace
}  // namespace trochograph::test
