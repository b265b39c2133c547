#pragma once

#include <cstdint>

namespace kalder {

// The program's one random generator (xoshiro256**, seeded through SplitMix64), seeded once;
// tests seed it explicitly. It is small and fast because the generator draws thousands of
// numbers for one puzzle.
class Random {
  public:
    explicit Random(std::uint64_t seed) {
        for (auto& word : state_) {
            seed += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    // Uniform in [0, 1).
    double fraction() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // 1 .. n (n below 1 gives 1).
    int RandomInt(int n) {
        if (n <= 1) return 1;
        return static_cast<int>(fraction() * n) + 1;
    }

  private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t state_[4];
};

}  // namespace kalder
