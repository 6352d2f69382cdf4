// Default random source: std::mt19937 reduced to a range by multiply-and-reject.
#include "TRandom.h"

#include <chrono>

namespace sudoku {

namespace {

std::uint32_t ClockSeed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto wide = static_cast<std::uint64_t>(ticks);
    return static_cast<std::uint32_t>(wide ^ (wide >> 32));
}

} // namespace

TDefaultRandom::TDefaultRandom() : Engine(ClockSeed()) {}

void TDefaultRandom::SeedFromClock() {
    Engine.seed(ClockSeed());
}

// Lemire's reduction: the high word of draw * n is uniform once the few low words that would
// favour some results are rejected.
int TDefaultRandom::Random(int n) {
    if (n <= 1) {
        return 0;
    }
    const auto range = static_cast<std::uint32_t>(n);
    std::uint64_t product = static_cast<std::uint64_t>(Engine()) * range;
    auto low = static_cast<std::uint32_t>(product);
    if (low < range) {
        const std::uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            product = static_cast<std::uint64_t>(Engine()) * range;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<int>(product >> 32);
}

} // namespace sudoku
