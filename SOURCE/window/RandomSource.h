#pragma once

// The program's one pseudo-random generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Seeds the generator from the time of day.
    virtual void randomize() = 0;
    // The next draw, uniform in [0, 1) and never 1.
    virtual double next() = 0;
};
