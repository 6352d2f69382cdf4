// The random source of the generator and the carving: Random(n) draws an integer from 0 to
// n - 1. It is handed in, so a test can fix the seed and a benchmark can repeat a run.
#pragma once

#include <cstdint>
#include <random>

namespace sudoku {

class TRandom {
public:
    virtual ~TRandom() = default;
    // Uniform integer in 0 .. n - 1; 0 without drawing when n is 1 or less.
    virtual int Random(int n) = 0;
};

// Mersenne twister with an exact (unbiased) reduction to the range, so equal seeds give equal
// sequences on every platform.
class TDefaultRandom : public TRandom {
public:
    TDefaultRandom(); // seeded from the clock
    explicit TDefaultRandom(std::uint32_t seed) : Engine(seed) {}

    int Random(int n) override;
    void Seed(std::uint32_t seed) { Engine.seed(seed); }
    void SeedFromClock();

private:
    std::mt19937 Engine;
};

} // namespace sudoku
