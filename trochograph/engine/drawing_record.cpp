#include "engine/drawing_record.h"

#include <algorithm>
#include <cstddef>

namespace trochograph {

namespace {

// The last `count` elements of `v` equal the `count` before them.
template <class T>
bool repeatsAtEnd(const std::vector<T>& v, std::size_t count)
{
    if (v.size() < 2 * count) return false;
    const auto tail = v.end() - static_cast<std::ptrdiff_t>(count);
    return std::equal(tail, v.end(), tail - static_cast<std::ptrdiff_t>(count));
}

}  // namespace

void DrawingRecord::clear(int res, Colorref background)
{
    res_ = res;
    background_ = background;
    runs_.clear();
    figures_.clear();
    order_.clear();
    curveStart_ = 0;
    continuing_ = false;
}

// Drawing the same entries twice in a row paints every pixel as drawing them once: each
// pixel keeps the last thing drawn over it. So when the curve just ended repeats what was
// drawn just before it, its entries go.
void DrawingRecord::endCurve()
{
    const std::size_t count = order_.size() - curveStart_;
    if (count > 0 && repeatsAtEnd(order_, count)) {
        const auto tail = order_.end() - static_cast<std::ptrdiff_t>(count);
        const auto runs = static_cast<std::size_t>(std::count(tail, order_.end(), Entry::run));
        const std::size_t figures = count - runs;
        if (repeatsAtEnd(runs_, runs) && repeatsAtEnd(figures_, figures)) {
            runs_.resize(runs_.size() - runs);
            figures_.resize(figures_.size() - figures);
            order_.resize(order_.size() - count);
        }
    }
    curveStart_ = order_.size();
}

void DrawingRecord::replay(DrawingSink& sink) const
{
    auto run = runs_.begin();
    auto figure = figures_.begin();
    for (const Entry entry : order_) {
        if (entry == Entry::figure) {
            std::visit([&](const auto& f) { sink.figure(f); }, *figure++);
            continue;
        }
        CurveParameters parameters = run->parameters;
        CurveProgress progress = run->progress;
        StepperMemory memory = run->memory;
        CurveStepper stepper(parameters, progress, memory);
        for (long long i = 0; i < run->steps; ++i) stepper.step(sink);
        ++run;
    }
}

}  // namespace trochograph
