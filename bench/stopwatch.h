// One clock for a measured step and its reference, so their times compare.
#pragma once

#include <chrono>

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}
