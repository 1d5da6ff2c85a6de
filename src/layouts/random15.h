// nx::Random15: a small seeded generator of 15-bit numbers for reproducible jitter.
#pragma once

#include <cstdint>

namespace nx {

// The linear congruential step of the classic C library example: numbers 0 to 32767.
class Random15 {
public:
    explicit Random15(std::uint32_t seed = 1) : state_(seed) {}
    int next() {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ / 65536u) % 32768u);
    }

private:
    std::uint32_t state_;
};

}  // namespace nx
