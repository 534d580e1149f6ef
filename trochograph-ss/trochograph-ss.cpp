// The unattended show's entry point: the full-screen show, the show as a screensaver hack
// in a window it is given, or one preset drawn into a picture without a display.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/error_line.h"
#include "common/qt/display_guard.h"
#include "files/interrupt_cleanup.h"
#include "shell/qt/show_application.h"
#include "shell/show_command_line.h"
#include "shell/show_hack.h"
#include "shell/show_preview.h"
#include "version.h"

namespace {

int runPreview(const std::vector<std::string>& args)
{
    using namespace trochograph;
    const Result<PreviewOptions> parsed = parsePreviewOptions(args);
    if (!parsed) return reportFailure("trochograph-ss", parsed.error());
    if (parsed->help) {
        std::fputs(previewUsage().c_str(), stdout);
        return 0;
    }
    const Result<void> rendered = renderPreview(*parsed);
    return rendered ? 0 : reportFailure("trochograph-ss", rendered.error());
}

}  // namespace

int main(int argc, char** argv)
{
    using trochograph::ShowCommand;
    const auto parsed = trochograph::parseShowCommandLine({argv + 1, argv + argc}, std::getenv("XSCREENSAVER_WINDOW"));
    if (!parsed) {
        // The usage follows a line of the wrong shape, not a refused value.
        const int code = trochograph::reportFailure("trochograph-ss", parsed.error());
        if (parsed.code() == trochograph::ErrorCode::usage) std::fputs(trochograph::showUsage().c_str(), stderr);
        return code;
    }
    const ShowCommand& command = *parsed;
    switch (command.kind) {
    case ShowCommand::help: std::fputs(trochograph::showUsage().c_str(), stdout); return 0;
    case ShowCommand::version: std::printf("trochograph-ss %s\n", trochograph::version); return 0;
    // The hack writes no files and ends on SIGTERM and SIGINT by itself.
    case ShowCommand::hack: return trochograph::runHack(command.hackOptions);
    case ShowCommand::render:
    case ShowCommand::show: break;
    }

    // An interrupted preview leaves no temporary file behind.
    trochograph::removeTemporaryFilesOnInterrupt();
    if (command.kind == ShowCommand::render) return runPreview(command.renderArgs);

    std::optional<QApplication> app;
    {
        const trochograph::DisplayGuard guard("trochograph-ss: no display found; to draw a preset without one, use "
                                              "trochograph-ss --render N --output OUT");
        app.emplace(argc, argv);
    }
    trochograph::ShowApplication show;
    if (!show.start()) return 0;
    return show.exec();
}
