#pragma once

#include "window/RandomSource.h"

#include <random>

// A 64-bit Mersenne Twister; each draw is built from its top 53 bits, so it
// lies in [0, 1) and never rounds up to 1.
class SystemRandom : public RandomSource {
public:
    void randomize() override;
    double next() override;

private:
    std::mt19937_64 engine;
};
