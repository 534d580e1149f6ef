// The interactive program's entry point; `--render` draws without a window.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "application.h"
#include "headless_render.h"
#include "interrupt_cleanup.h"
#include "render_options.h"

namespace {

const char* const usage =
    "usage: trochograph [FILE.rlt]\n"
    "       trochograph --render --output OUT [options]   (see trochograph --render --help)\n";

int runHeadless(const std::vector<std::string>& args)
{
    using namespace trochograph;
    const ParsedRenderOptions parsed = parseRenderOptions(args);
    // One line naming the problem; the usage is one --help away.
    if (!parsed.options) {
        std::fprintf(stderr, "trochograph: %s\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(renderUsage().c_str(), stdout);
        return 0;
    }
    const RenderOutcome outcome = renderHeadless(*parsed.options);
    if (!outcome.ok) {
        std::fprintf(stderr, "trochograph: %s\n", outcome.message.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // An interrupted save, of a picture or of parameters, leaves no temporary file behind.
    trochograph::removeTemporaryFilesOnInterrupt();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--render") return runHeadless({args.begin() + 1, args.end()});
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (args.size() > 1 || (!args.empty() && args[0].rfind("--", 0) == 0)) {
        std::fputs(usage, stderr);
        return 2;
    }

    QApplication app(argc, argv);
    trochograph::StartupOptions options;
    if (!args.empty()) options.argument = args[0];
    trochograph::Application program(options);
    if (!program.start()) return 0;
    return program.exec();
}
