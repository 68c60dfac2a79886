#pragma once

#include <cstdint>

// Smooth value noise on a seeded lattice. Made of integer hashing and plain
// arithmetic, so a texture comes out the same on every run.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed) : seed(seed) {}

    // A value in [0, 1] that varies smoothly, about once per unit.
    double at(double x, double y) const;
    // Several octaves of at(), each twice as fine and half as strong, in [0, 1].
    double fractal(double x, double y, int octaves) const;
    // Like fractal(), but each octave folded about its middle: sharp creases
    // where it crosses, the stuff of marble veins. In [0, 1].
    double turbulence(double x, double y, int octaves) const;

private:
    double lattice(std::int32_t x, std::int32_t y) const;
    double octavesOf(double x, double y, int octaves, bool folded) const;

    std::uint32_t seed;
};
