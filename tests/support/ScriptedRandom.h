#pragma once

#include "window/RandomSource.h"

#include <functional>
#include <random>
#include <vector>

// A random source that plays back chosen draws, then falls back to a seeded
// generator (or to a fixed value), and counts what it was asked for.
class ScriptedRandom : public RandomSource {
public:
    void randomize() override { ++seeds; }
    double next() override;

    void play(std::vector<double> values) { queued.insert(queued.end(), values.begin(), values.end()); }
    void always(double value) { fallback = [value] { return value; }; }
    void seeded(unsigned seed);

    int seeds = 0;
    int draws = 0;

private:
    std::vector<double> queued;
    std::size_t position = 0;
    std::mt19937_64 engine{1};
    std::function<double()> fallback;
};
