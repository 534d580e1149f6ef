// The interactive program's entry point; `--render` draws without a window.
#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/error_line.h"
#include "common/qt/display_guard.h"
#include "files/interrupt_cleanup.h"
#include "shell/command_line.h"
#include "shell/headless_render.h"
#include "shell/qt/application.h"
#include "shell/qt/smooth_painter_qt.h"
#include "shell/render_options.h"
#include "version.h"

namespace {

int runHeadless(const std::vector<std::string>& args)
{
    using namespace trochograph;
    const Result<RenderOptions> parsed = parseRenderOptions(args);
    // One line naming the problem; the usage is one --help away.
    if (!parsed) return reportFailure("trochograph", parsed.error());
    if (parsed->help) {
        std::fputs(renderUsage().c_str(), stdout);
        return 0;
    }
    QtSmoothPainter smooth;
    const Result<void> outcome = renderHeadless(*parsed, &smooth);
    return outcome ? 0 : reportFailure("trochograph", outcome.error());
}

}  // namespace

int main(int argc, char** argv)
{
    // An interrupted save, of a picture or of parameters, leaves no temporary file behind.
    trochograph::removeTemporaryFilesOnInterrupt();
    using trochograph::ProgramCommand;
    const auto parsed = trochograph::parseCommandLine({argv + 1, argv + argc});
    if (!parsed) {
        // The usage follows a line of the wrong shape, not a refused value.
        const int code = trochograph::reportFailure("trochograph", parsed.error());
        if (parsed.code() == trochograph::ErrorCode::usage) std::fputs(trochograph::programUsage().c_str(), stderr);
        return code;
    }
    const ProgramCommand& command = *parsed;
    switch (command.kind) {
    case ProgramCommand::render: return runHeadless(command.renderArgs);
    case ProgramCommand::help: std::fputs(trochograph::programUsage().c_str(), stdout); return 0;
    case ProgramCommand::version: std::printf("trochograph %s\n", trochograph::version); return 0;
    case ProgramCommand::window: break;
    }

    std::optional<QApplication> app;
    {
        const trochograph::DisplayGuard guard(
            "trochograph: no display found; to draw without one, use trochograph --render (see --render --help)");
        app.emplace(argc, argv);
    }
    trochograph::StartupOptions options;
    options.argument = command.file;
    trochograph::Application program(options);
    if (!program.start()) return 0;
    return program.exec();
}
