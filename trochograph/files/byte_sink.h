// Where encoders put their bytes: a file, memory, or a test double.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace trochograph {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Appends the bytes; false when they could not all be written. A sink that failed once
    // is not written to again by the encoders.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
};

// Collects everything in memory.
class MemorySink final : public ByteSink {
public:
    bool write(std::span<const std::uint8_t> bytes) override
    {
        data.insert(data.end(), bytes.begin(), bytes.end());
        return true;
    }
    std::vector<std::uint8_t> data;
};

}  // namespace trochograph
