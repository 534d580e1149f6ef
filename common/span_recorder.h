// A log of the horizontal pixel runs that drawing wrote into a surface.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "common/geometry.h"

namespace trochograph {

// Row y, columns x0 to x1 - 1.
struct Span {
    int y = 0;
    int x0 = 0;
    int x1 = 0;
};

// Attached to a Surface, it learns every run the surface is about to write, so that a
// consumer can copy or repaint just those pixels. Past `capacity` runs it stops listing
// them and reports that the whole surface may have changed.
class SpanRecorder {
public:
    explicit SpanRecorder(std::size_t capacity = 1 << 15) : capacity_(capacity) {}

    // Called once when something is first to be shown after a clear(): a run, everything,
    // or drawing that is due but deferred. A window asks for one repaint there.
    void onNews(std::function<void()> listener) { listener_ = std::move(listener); }

    void add(int y, int x0, int x1);
    // Everything may have changed (a new surface, a full fill, an overflow).
    void markAll();
    // Drawing into the surface is due but deferred until it is shown.
    void expect() { tell(); }
    void clear();

    bool all() const { return all_; }
    bool empty() const { return !all_ && spans_.empty(); }
    // Valid only while all() is false.
    const std::vector<Span>& spans() const { return spans_; }
    // Bounding rectangle of the recorded runs; meaningless while all() is true.
    Rect bounds() const { return bounds_; }

private:
    void tell();

    std::function<void()> listener_;
    bool told_ = false;
    std::size_t capacity_;
    std::vector<Span> spans_;
    Rect bounds_;
    bool all_ = false;
};

}  // namespace trochograph
