// Timing of the benchmarks.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

// Best of `runs` timings, in seconds; `before` runs untimed ahead of each.
inline double Best(int runs, const std::function<void()>& before, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        before();
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}
inline double Best(int runs, const std::function<void()>& work) {
    return Best(
        runs, [] {}, work);
}

// One line: what, the rate over `bytes` and the time.
inline void PrintRate(const char* what, double bytes, double seconds) {
    std::printf("%-34s %9.1f MB/s  (%.3f s)\n", what, bytes / seconds / 1e6, seconds);
}
