// The command lines of both programs, an argument between each two NUL bytes, read by each
// table: the program's, its --render's, the show's (with and without XSCREENSAVER_WINDOW)
// and the show's --render. A refusal is a usage or invalid error of one line; what is
// accepted lies in the ranges the usage gives, and written back as arguments reads the
// same.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/c_numbers.h"
#include "common/canvas_limits.h"
#include "engine/parameter_limits.h"
#include "files/video_writer.h"
#include "fuzz/fuzz_check.h"
#include "shell/command_line.h"
#include "shell/curve_film.h"
#include "shell/render_options.h"
#include "shell/show_command_line.h"
#include "shell/show_preview.h"
#include "show/show_state.h"

using namespace trochograph;
using trochograph::fuzz::check;

namespace {

using Args = std::vector<std::string>;

// Whether the command was refused; a refusal must be a usage or invalid error of one line,
// unless it quotes an argument that holds a line end itself.
template <class T>
bool refused(const Result<T>& result, const Args& args)
{
    if (result) return false;
    check(result.code() == ErrorCode::usage || result.code() == ErrorCode::badValue || result.code() == ErrorCode::invalid,
          "a refusal is usage, badValue or invalid");
    const auto lineEnd = [](const std::string& text) { return text.find('\n') != std::string::npos; };
    check(!result.message().empty() && (!lineEnd(result.message()) || std::any_of(args.begin(), args.end(), lineEnd)),
          "a refusal is one line");
    return true;
}

void checkProgram(const Args& args)
{
    const Result<ProgramCommand> command = parseCommandLine(args);
    if (refused(command, args)) return;
    Args again;
    if (command->kind == ProgramCommand::window && !command->file.empty()) again = {"--", command->file};
    if (command->kind == ProgramCommand::render) {
        again = {"--render"};
        again.insert(again.end(), command->renderArgs.begin(), command->renderArgs.end());
    }
    if (command->kind == ProgramCommand::help || command->kind == ProgramCommand::version) return;
    const Result<ProgramCommand> reread = parseCommandLine(again);
    check(reread.ok() && reread->kind == command->kind && reread->file == command->file &&
              reread->renderArgs == command->renderArgs,
          "a program command written back reads the same");
}

Args renderArgs(const RenderOptions& o)
{
    Args args = {"--output", o.output};
    if (o.params) args.insert(args.end(), {"--params", *o.params});
    if (o.palette) args.insert(args.end(), {"--palette", *o.palette});
    if (o.sizeGiven) args.insert(args.end(), {"--size", decimalText(o.size)});
    if (o.lineWidth) args.insert(args.end(), {"--line-width", decimalText(*o.lineWidth)});
    if (o.scale) args.insert(args.end(), {"--scale", shortestText(*o.scale)});
    if (o.rounding) args.insert(args.end(), {"--rounding", decimalText(*o.rounding)});
    if (o.animate) args.push_back("--animate");
    if (o.antialias) args.push_back("--antialias");
    if (o.filmTimingGiven) args.insert(args.end(), {"--fps", decimalText(o.fps), "--duration", shortestText(o.seconds)});
    return args;
}

bool sameRender(const RenderOptions& a, const RenderOptions& b)
{
    return a.output == b.output && a.params == b.params && a.palette == b.palette && a.size == b.size &&
           a.sizeGiven == b.sizeGiven && a.lineWidth == b.lineWidth && a.scale == b.scale &&
           a.rounding == b.rounding && a.animate == b.animate && a.antialias == b.antialias && a.fps == b.fps &&
           a.seconds == b.seconds && a.filmTimingGiven == b.filmTimingGiven;
}

void checkRender(const Args& args)
{
    const Result<RenderOptions> options = parseRenderOptions(args);
    if (refused(options, args) || options->help) return;
    const RenderOptions& o = *options;
    check(!o.output.empty(), "a render has an output");
    check((o.antialias ? limits::smoothSide : limits::resolution).contains(o.size), "the side is in range");
    check(!o.lineWidth || limits::lineWidth.contains(*o.lineWidth), "the pen width is in range");
    check(!o.scale || limits::scale.contains(*o.scale), "the scale is in range");
    check(!o.rounding || limits::rounding.contains(*o.rounding), "the rounding is in range");
    check(o.fps >= minFps && o.fps <= maxFps && filmSeconds.contains(o.seconds), "the film's timing is in range");
    const Result<RenderOptions> reread = parseRenderOptions(renderArgs(o));
    check(reread.ok() && sameRender(*reread, o), "render options written back read the same");
}

// `typed`: the arguments and the window's variable, which a refusal may quote.
void checkShow(const Args& args, const char* screensaverWindow, const Args& typed)
{
    const Result<ShowCommand> command = parseShowCommandLine(args, screensaverWindow);
    if (refused(command, typed) || command->kind != ShowCommand::hack) return;
    const HackOptions& hack = command->hackOptions;
    check(hackDelay.contains(hack.delay), "the delay is in range");
    check(!hack.window || *hack.window != 0, "a window id is never 0");
    Args again = {"-root", "-delay", decimalText(hack.delay)};
    if (hack.window) again = {"-window-id", decimalText(*hack.window), "-delay", decimalText(hack.delay)};
    const Result<ShowCommand> reread = parseShowCommandLine(again, nullptr);
    check(reread.ok() && reread->kind == ShowCommand::hack && reread->hackOptions.window == hack.window &&
              reread->hackOptions.delay == hack.delay,
          "the hack's options written back read the same");
}

void checkPreview(const Args& args)
{
    const Result<PreviewOptions> options = parsePreviewOptions(args);
    if (refused(options, args) || options->help) return;
    const PreviewOptions& o = *options;
    check(o.preset >= 0 && o.preset < presetCount, "the preset is in range");
    check(!o.output.empty() && limits::resolution.contains(o.size), "the output and side are given and in range");
    Args again = {decimalText(o.preset), "--output", o.output, "--size", decimalText(o.size)};
    if (o.fpsGiven) again.insert(again.end(), {"--fps", decimalText(o.fps)});
    const Result<PreviewOptions> reread = parsePreviewOptions(again);
    check(reread.ok() && reread->preset == o.preset && reread->output == o.output && reread->size == o.size &&
              reread->fps == o.fps && reread->fpsGiven == o.fpsGiven,
          "the show's render options written back read the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Args args;
    std::string arg;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != 0) {
            arg += static_cast<char>(data[i]);
            continue;
        }
        args.push_back(arg);
        arg.clear();
    }
    if (size > 0) args.push_back(arg);

    checkProgram(args);
    checkRender(args);
    checkShow(args, nullptr, args);
    if (!args.empty()) checkShow(Args(args.begin() + 1, args.end()), args.front().c_str(), args);
    checkPreview(args);
    return 0;
}
