#pragma once

#include <cstdint>
#include <random>

namespace kalder {

// The program's one random generator, seeded once (tests seed it explicitly).
class Random {
  public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    // Uniform in [0, 1).
    double fraction() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    // 1 .. n (n below 1 gives 1).
    int RandomInt(int n) {
        if (n <= 1) return 1;
        return std::uniform_int_distribution<int>(1, n)(engine_);
    }

  private:
    std::mt19937_64 engine_;
};

}  // namespace kalder
