// Byte sinks that fail on purpose, for the encoders' tests.
#pragma once

#include <new>

#include "files/byte_sink.h"

namespace trochograph::test {

// Accepts `goodWrites` writes, then fails every one (or throws std::bad_alloc instead,
// like a sink that can't grow); counts the calls.
class FailingSink final : public ByteSink {
public:
    explicit FailingSink(int goodWrites, bool throws = false) : goodWrites_(goodWrites), throws_(throws) {}
    bool write(std::span<const std::uint8_t>) override
    {
        ++calls;
        if (calls > goodWrites_ && throws_) throw std::bad_alloc();
        return calls <= goodWrites_;
    }
    int calls = 0;

private:
    int goodWrites_;
    bool throws_;
};

}  // namespace trochograph::test
