// rng.h: the generator's own random numbers: a fixed-seed sequence, the same on every run.
#pragma once

#include <cstdint>

// A small, fast sequence (splitmix64); every asset seeds its own. Draw into named locals
// before passing values to a call: the order in which a call's arguments are evaluated is
// unspecified, and two compilers would draw them in different orders (different files).
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state(seed) {}

    // The next raw 64-bit value.
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Uniform integer in [0, n).
    int below(int n) { return static_cast<int>(unit() * n); }

  private:
    std::uint64_t state;
};
