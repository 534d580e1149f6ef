// The interactive program's entry point; `--render` draws without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "headless_render.h"
#include "render_options.h"

namespace {

int runHeadless(const std::vector<std::string>& args)
{
    using namespace trochograph;
    const ParsedRenderOptions parsed = parseRenderOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "trochograph: %s\n%s", parsed.error.c_str(), renderUsage);
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(renderUsage, stdout);
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
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--render") return runHeadless({args.begin() + 1, args.end()});
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(trochograph::renderUsage, stdout);
        return 0;
    }
    std::fputs("trochograph: the window comes in a later version; use --render (see --help)\n", stderr);
    return 2;
}
