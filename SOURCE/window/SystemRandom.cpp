#include "window/SystemRandom.h"

#include <QTime>

void SystemRandom::randomize()
{
    engine.seed(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()));
}

double SystemRandom::next()
{
    constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
    return static_cast<double>(engine() >> 11) * kTwoToMinus53;
}
