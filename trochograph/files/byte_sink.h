// Where encoders put their bytes: a file, memory, or a test double.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/result.h"

namespace trochograph {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Appends the bytes; false when they could not all be written. A sink that failed once
    // is not written to again by the encoders.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
};

// What an encoder returns when its sink refuses bytes. Only the sink knows why; saveFile
// puts the file's own reason in its place.
inline Error sinkRefused() { return {ErrorCode::writeFailed, "the sink refused the bytes"}; }

// What an encoder returns when the memory it needs can't be had.
inline Error noMemoryToWrite() { return {ErrorCode::noMemory, "not enough memory to write the file"}; }

// Writes the bytes, or says that the sink refused them.
inline Result<void> put(ByteSink& sink, std::span<const std::uint8_t> bytes)
{
    if (!sink.write(bytes)) return sinkRefused();
    return {};
}

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
