// What a fuzz target checks besides not crashing. A broken check aborts, which libFuzzer
// reports with the input that broke it, and the replay runner as a failed test.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace trochograph::fuzz {

inline void check(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace trochograph::fuzz
