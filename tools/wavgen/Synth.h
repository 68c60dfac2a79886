#pragma once

#include <cstdint>

// The generator's arithmetic uses only the operations that IEEE 754 rounds
// exactly (no library sine or exponential), so that every build on every
// machine writes the same bytes.

// sin(2 pi turns).
double sineOfTurns(double turns);
// e^x for the small |x| of per-sample decay and glide factors (|x| < 0.01).
double expSmall(double x);
// The factor by which a level falls each sample to fall by e in tau seconds.
double decayPerSample(double tau, double rate);
// A soft limit: linear near zero, reaching +-1 smoothly at +-1.5 and flat beyond.
double softClip(double x);

// A small deterministic noise source (xorshift32).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    // Uniform in [-1, 1).
    double next();
    // Uniform integer in [0, count).
    std::uint32_t below(std::uint32_t count);

private:
    std::uint32_t step();
    std::uint32_t state;
};
