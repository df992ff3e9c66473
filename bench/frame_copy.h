#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

// The yardstick every figure is read against: copying one 640x480 frame of
// 16-bit pixels.
inline void BM_MemcpyFrame(benchmark::State& state) {
    std::vector<std::uint8_t> from(640 * 480 * 2, 0x5A);
    std::vector<std::uint8_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
