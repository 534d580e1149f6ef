// The dialogs' preview: the whole 240 x 240 picture of each curve type at its default
// parameters, from the form's values to the last step, as a keystroke asks for it. The
// slowest case bounds how long typing may wait for a preview.
#include <benchmark/benchmark.h>

#include <memory>

#include "dialogs/curve_preview.h"
#include "dialogs/forms.h"

namespace trochograph::bench {
namespace {

// Argument: the curve type; 4 for the rolling ellipse, 5 for it without rounding (100
// revolutions), 6 for the irrational rose with 100 circuits.
void previewOfType(benchmark::State& run)
{
    CurveState current;
    const int which = static_cast<int>(run.range(0));
    current.params.type = which == 4 || which == 5 ? epitrochoid : which == 6 ? rhodoneaIrrational : which;
    if (which == 4 || which == 5) current.params.ellipse = 1;
    if (which == 5) current.params.rounding = noRounding;
    if (which == 6) current.params.kn[rhodoneaIrrational] = 100;
    const RestoreValues defaults = RestoreValues::capture(current);
    const std::unique_ptr<Form> form = makeForm(dialogParameters, current.params);
    const auto& curveForm = static_cast<const CurveForm&>(*form);
    CurvePreview preview(current, defaults);
    long long steps = 0;
    for (auto _ : run) {
        // A keystroke that changes the curve, then the whole picture.
        form->type(535, (steps & 1) ? "1.0" : "0.9");
        preview.follow(curveForm);
        while (preview.advance(4096)) {
        }
        ++steps;
    }
    run.counters["pictures"] = static_cast<double>(preview.completed());
}
BENCHMARK(previewOfType)->ArgName("type")->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trochograph::bench
