// The drawing palette as a value that is cheap to copy: copies share one table until a new
// palette replaces it, so that every recorded run of the drawing can keep its own palette
// for the price of a pointer.
#pragma once

#include <cstddef>
#include <memory>

#include "common/palette.h"

namespace trochograph {

class SharedPalette {
public:
    SharedPalette() : table_(builtin()) {}
    SharedPalette(const Palette& colors) : table_(std::make_shared<const Palette>(colors)) {}

    Colorref operator[](std::size_t i) const { return (*table_)[i]; }
    const Palette& colors() const { return *table_; }

    // Equal when the colours are, whether or not the table is shared.
    friend bool operator==(const SharedPalette& a, const SharedPalette& b)
    {
        return a.table_ == b.table_ || *a.table_ == *b.table_;
    }

private:
    static const std::shared_ptr<const Palette>& builtin()
    {
        static const auto table = std::make_shared<const Palette>(builtinPalette);
        return table;
    }

    std::shared_ptr<const Palette> table_;
};

}  // namespace trochograph
