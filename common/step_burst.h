// Drawing in bursts: steps that ask for no pause run together for a few milliseconds, and
// events are handled between two bursts, so that a window answers while it draws.
#pragma once

#include <chrono>

namespace trochograph {

constexpr std::chrono::milliseconds burstTime{8};

// Runs `step` until one asks for a pause (any answer but 0: a wait in milliseconds, or
// nothing at all) or the burst's time is up; returns the last step's answer.
template <typename Step>
auto runBurst(Step&& step) -> decltype(step())
{
    const auto start = std::chrono::steady_clock::now();
    auto wait = step();
    while (wait == 0 && std::chrono::steady_clock::now() - start < burstTime) wait = step();
    return wait;
}

}  // namespace trochograph
