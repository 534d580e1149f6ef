// The unattended show's entry point; `--render N` draws one preset without a display.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "interrupt_cleanup.h"
#include "show_application.h"
#include "show_preview.h"

namespace {

const char* const usage =
    "usage: trochograph-ss\n"
    "       trochograph-ss --render N --output OUT [--size RES]   (see trochograph-ss --render --help)\n";

int runPreview(const std::vector<std::string>& args)
{
    using namespace trochograph;
    const ParsedPreview parsed = parsePreviewOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "trochograph-ss: %s\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(previewUsage().c_str(), stdout);
        return 0;
    }
    if (const std::string error = renderPreview(*parsed.options); !error.empty()) {
        std::fprintf(stderr, "trochograph-ss: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // An interrupted preview leaves no temporary file behind.
    trochograph::removeTemporaryFilesOnInterrupt();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--render") return runPreview({args.begin() + 1, args.end()});
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (!args.empty()) {
        std::fputs(usage, stderr);
        return 2;
    }

    QApplication app(argc, argv);
    trochograph::ShowApplication show;
    if (!show.start()) return 0;
    return show.exec();
}
