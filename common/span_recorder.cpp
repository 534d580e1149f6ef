#include "common/span_recorder.h"

namespace trochograph {

void SpanRecorder::tell()
{
    if (told_) return;
    told_ = true;
    if (listener_) listener_();
}

void SpanRecorder::add(int y, int x0, int x1)
{
    if (all_ || x1 <= x0) return;
    tell();
    if (spans_.size() >= capacity_) {
        markAll();
        return;
    }
    spans_.push_back({y, x0, x1});
    bounds_ = bounds_.united({x0, y, x1, y + 1});
}

void SpanRecorder::markAll()
{
    tell();
    all_ = true;
    spans_.clear();
    bounds_ = {};
}

void SpanRecorder::clear()
{
    told_ = false;
    all_ = false;
    spans_.clear();
    bounds_ = {};
}

}  // namespace trochograph
